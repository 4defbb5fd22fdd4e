// Runs a step as a user whom file permissions bind. Root writes into read-only folders anyway,
// so under root the step runs in a child process that has become the user "nobody".
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <exception>
#include <functional>
#include <string>

namespace quarvel::testing {

inline constexpr uid_t kNobody = 65534;

// What `step` returned, or a note of why the child could not run it.
inline std::string as_unprivileged(const std::function<std::string()>& step) {
  int pipe_ends[2];
  if (::pipe(pipe_ends) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child < 0) return "no child process";
  if (child == 0) {
    ::close(pipe_ends[0]);
    std::string result;
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
      result = "could not become nobody";
    } else {
      try {
        result = step();
      } catch (const std::exception& e) {
        result = std::string("exception: ") + e.what();
      }
    }
    const ssize_t written = ::write(pipe_ends[1], result.data(), result.size());
    ::_exit(written == static_cast<ssize_t>(result.size()) ? 0 : 1);
  }
  ::close(pipe_ends[1]);
  std::string result;
  char buffer[512];
  for (ssize_t got; (got = ::read(pipe_ends[0], buffer, sizeof buffer)) > 0;) {
    result.append(buffer, static_cast<size_t>(got));
  }
  ::close(pipe_ends[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the child failed";
  return result;
}

}  // namespace quarvel::testing
