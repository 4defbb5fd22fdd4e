// The program runs through the shell with every argument single-quoted; its standard error goes
// to a temporary file, read back once it has ended.
#include "lattice_process.hpp"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace quarvel::testing {

namespace {

std::string shell_quoted(const std::string& word) {
  std::string out = "'";
  for (char ch : word) out += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
  return out + "'";
}

std::string slurp(std::FILE* f) {
  std::string text;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) text.append(buffer, n);
  return text;
}

}  // namespace

process_result run_lattice(const std::vector<std::string>& arguments) {
  std::string err_path = (std::filesystem::temp_directory_path() / "quarvel-err-XXXXXX").string();
  const int fd = ::mkstemp(err_path.data());
  if (fd < 0) throw std::runtime_error("no temporary file for standard error");
  ::close(fd);
  std::string command = shell_quoted(QUARVEL_LATTICE_PROGRAM);
  for (const std::string& a : arguments) command += " " + shell_quoted(a);
  command += " 2>" + shell_quoted(err_path);
  process_result r;
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) throw std::runtime_error("cannot start " + command);
  r.out = slurp(pipe);
  const int wait_status = ::pclose(pipe);
  std::ifstream err(err_path, std::ios::binary);
  r.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
  std::filesystem::remove(err_path);
  // The shell reports a child killed by signal N as status 128 + N.
  if (WIFEXITED(wait_status)) {
    r.status = WEXITSTATUS(wait_status);
    r.signalled = r.status > 128;
    if (r.signalled) r.status = -1;
  } else {
    r.signalled = true;
  }
  return r;
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace quarvel::testing
