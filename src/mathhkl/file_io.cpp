// POSIX file calls, checked one by one so that errno names the failure.
#include "mathhkl/file_io.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "mathhkl/file_error.hpp"

namespace mathhkl {
namespace {

// Closes on every way out of a reader or writer.
class file_descriptor {
 public:
  explicit file_descriptor(int fd) : fd_(fd) {}
  file_descriptor(const file_descriptor&) = delete;
  file_descriptor& operator=(const file_descriptor&) = delete;
  ~file_descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closing can report a write that failed late (a full disk on a network folder).
  void close() {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) throw file_error(errno);
  }

 private:
  int fd_;
};

void write_all(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(fd, content.data(), content.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      throw file_error(errno);
    }
    content.remove_prefix(static_cast<size_t>(written));
  }
}

// A new, unused name beside the target; created here so that no other writer can take it.
int create_beside(const std::filesystem::path& target, mode_t mode, std::string& name) {
  static int serial = 0;
  for (;;) {
    name = (target.parent_path() / ("." + target.filename().string() + "." +
                                    std::to_string(::getpid()) + "-" + std::to_string(++serial)))
               .string();
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
}

}  // namespace

std::string read_file(const std::string& path) {
  int fd;
  do fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  while (fd < 0 && errno == EINTR);
  if (fd < 0) throw file_error(errno);
  file_descriptor file(fd);
  std::string content;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw file_error(errno);
    }
    if (got == 0) break;
    content.append(buffer, static_cast<size_t>(got));
  }
  file.close();
  return content;
}

void replace_file(const std::string& path, std::string_view content) {
  // Renaming would replace a read-only file or a folder's entry that opening for writing refuses.
  struct stat old {};
  const bool exists = ::stat(path.c_str(), &old) == 0;
  if (exists && (S_ISDIR(old.st_mode) || ::access(path.c_str(), W_OK) != 0)) {
    throw file_error(S_ISDIR(old.st_mode) ? EISDIR : errno);
  }
  const mode_t mode = exists ? (old.st_mode & 07777) : 0666;
  std::string temporary;
  const int fd = create_beside(path, mode, temporary);
  if (fd < 0) throw file_error(errno);
  try {
    file_descriptor file(fd);
    if (exists) ::fchmod(file.get(), mode);  // the umask must not narrow a kept mode
    write_all(file.get(), content);
    if (::fsync(file.get()) != 0) throw file_error(errno);
    file.close();
    if (::rename(temporary.c_str(), path.c_str()) != 0) throw file_error(errno);
  } catch (...) {
    ::unlink(temporary.c_str());
    throw;
  }
}

}  // namespace mathhkl
