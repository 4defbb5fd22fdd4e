// The command line of quarvel-search, parsed without touching the search.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "mathhkl/crystal_systems.hpp"

namespace quarvel::cli {

struct search_options {
  // The starting cell: exactly one of these three.
  std::optional<std::array<std::string, 6>> cell;  // a b c alpha beta gamma, as typed
  std::string cry_file;                            // a Lanfit cell file
  std::string sum_file;                            // a Crysfire summary, with:
  int solution = 0;                                //   the solution searched, from 1, or
  bool all_solutions = false;                      //   every solution in turn
  std::optional<std::string> sum_ptol;  // comparison with the solutions; the window's default
  std::optional<std::string> sum_atol;  // when not given
  std::string save_cell;                // where the starting cell is saved; empty: not saved
  std::string ptol = "0.005";
  std::string atol = "0.3";
  std::string max_vector = "3";
  std::string max_ratio = "10";
  bool repeat = false;
  std::vector<mathhkl::crystal_system> systems;  // in the order given; empty means "All"
  bool json = false;  // the results as JSON, each cell with its lattice type and verdict
  bool help = false;
  bool version = false;
};

struct parse_outcome {
  search_options options;
  std::string error;  // empty when the arguments are sound
};

parse_outcome parse_arguments(const std::vector<std::string>& arguments);

extern const char* const kUsage;

}  // namespace quarvel::cli
