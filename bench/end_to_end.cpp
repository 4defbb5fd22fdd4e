// The command line against its engine, one line per largest index K:
//   case cli-mvK-cubic engine SECONDS whole SECONDS ratio X
// `engine`: the table and the triple search alone, in this process; `whole`: quarvel-search
// run as a process of its own on the same cell, "Cubic" only. Each is the median of a few
// runs, taken in turn, so that a moment of load from other work on the machine moves neither
// much. Usage: quarvel_end_to_end PATH where PATH is the quarvel-search program.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "search_cases.hpp"
#include "search_recorder.hpp"

extern char** environ;

namespace {

using namespace quarvel;
using clock_type = std::chrono::steady_clock;

double seconds_since(clock_type::time_point start) {
  return std::chrono::duration<double>(clock_type::now() - start).count();
}

double engine_seconds(int max_vector) {
  const auto start = clock_type::now();
  const bench::search_case c = bench::make_case(bench::kFaceCentred, max_vector);
  search_recorder host(mathhkl::system_set{mathhkl::crystal_system::cubic});
  run_triple_search(c.table, c.axes, c.conditions, host);
  return seconds_since(start);
}

// The whole program, its output thrown away; a negative time when it failed.
double whole_seconds(const char* program, int max_vector) {
  std::vector<std::string> words{
      program,     "--cell", "2.8284", "2.8284",       "2.8284",
      "60",        "60",     "60",     "--max-vector", std::to_string(max_vector),
      "--systems", "cubic"};
  std::vector<char*> argv;
  for (auto& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
  const auto start = clock_type::now();
  pid_t child = 0;
  int status = 0;
  const bool ran = posix_spawn(&child, program, &quiet, nullptr, argv.data(), environ) == 0 &&
                   waitpid(child, &status, 0) == child && WIFEXITED(status) &&
                   WEXITSTATUS(status) == 0;
  const double elapsed = seconds_since(start);
  posix_spawn_file_actions_destroy(&quiet);
  return ran ? elapsed : -1.0;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quarvel_end_to_end PATH-OF-quarvel-search\n");
    return 2;
  }
  for (int k : {8, 12, 20}) {
    const int runs = k < 20 ? 5 : 3;  // a run at 20 takes seconds
    std::vector<double> engines, wholes;
    for (int i = 0; i < runs; ++i) {
      engines.push_back(engine_seconds(k));
      wholes.push_back(whole_seconds(argv[1], k));
      if (wholes.back() < 0) {
        std::fprintf(stderr, "quarvel-search failed at max vector %d\n", k);
        return EXIT_FAILURE;
      }
    }
    const double engine = median(engines);
    const double whole = median(wholes);
    std::printf("case cli-mv%d-cubic engine %.3f whole %.3f ratio %.2f\n", k, engine, whole,
                whole / engine);
    std::fflush(stdout);
  }
  return EXIT_SUCCESS;
}
