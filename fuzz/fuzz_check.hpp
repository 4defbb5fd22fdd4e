// A promise of the code under test that an input broke: reported as a crash, so that the
// fuzzer keeps the input.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

inline void fuzz_require(bool holds, const char* promise) {
  if (holds) return;
  std::fprintf(stderr, "broken promise: %s\n", promise);
  std::abort();
}

// A command line from fuzz data: the arguments are separated by NUL bytes.
inline std::vector<std::string> fuzz_arguments(const std::uint8_t* data, std::size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> arguments;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\0');
    arguments.emplace_back(rest.substr(0, end));
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  }
  return arguments;
}
