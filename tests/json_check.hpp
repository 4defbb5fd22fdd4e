// A strict JSON checker for the analysis's output, so that tests and fuzz targets need no
// JSON library: RFC 8259 grammar, one value with nothing after it, and no key twice in an
// object (the writer never repeats one, so a repeat is a fault).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quarvel::testing {

struct json_check {
  std::string problem;                      // empty when the text is valid
  std::vector<std::string> top_level_keys;  // in order, when the value is an object
};

json_check check_json(std::string_view text);

}  // namespace quarvel::testing
