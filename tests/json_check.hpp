// A strict JSON checker for the analysis's output, so that tests and fuzz targets need no
// JSON library: RFC 8259 grammar, one value with nothing after it, and no key twice in an
// object (the writer never repeats one, so a repeat is a fault).
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel::testing {

struct json_check {
  std::string problem;                      // empty when the text is valid
  std::vector<std::string> top_level_keys;  // in order, when the value is an object
  // Every number by its path, object keys and array places joined by '/' ("lattices/0/cell/3"),
  // read with std::from_chars, which rounds correctly: a general parser's own reading may be a
  // unit in the last place off, too coarse to tell whether a number reads back exactly.
  std::map<std::string, double> numbers;
};

json_check check_json(std::string_view text);

}  // namespace quarvel::testing
