// Runs the built quarvel-lattice as a process, as a user or a script would.
#pragma once

#include <string>
#include <vector>

namespace quarvel::testing {

struct process_result {
  int status = -1;         // the exit status; -1 when the process did not exit normally
  bool signalled = false;  // ended by a signal: a crash
  std::string out;
  std::string err;
};

process_result run_lattice(const std::vector<std::string>& arguments);

// The lines of a text, without their line ends.
std::vector<std::string> lines_of(const std::string& text);

}  // namespace quarvel::testing
