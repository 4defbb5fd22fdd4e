// quarvel-search: the search of the Run button from the command line.
#include <iostream>

#include "quarvel_version.hpp"
#include "search_options.hpp"
#include "search_session.hpp"

int main(int argc, char** argv) {
  using namespace quarvel::cli;
  const parse_outcome parsed = parse_arguments(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.error.empty()) {
    std::cerr << "quarvel-search: " << parsed.error << "\n\n" << kUsage;
    return 2;
  }
  if (parsed.options.help) {
    std::cout << kUsage;
    return 0;
  }
  if (parsed.options.version) {
    std::cout << "quarvel-search " << quarvel::kVersion << '\n';
    return 0;
  }
  const session_result result = run_search(parsed.options);
  if (parsed.options.json) {
    std::cout << search_json(result.searches, result.messages) << '\n';
  } else {
    for (const auto& line : result.report) std::cout << line << '\n';
  }
  for (const auto& message : result.messages) std::cerr << "quarvel-search: " << message << '\n';
  return result.exit_status;
}
