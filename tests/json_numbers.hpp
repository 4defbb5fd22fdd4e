// Every number of a JSON text by its path, read with std::from_chars, which rounds correctly:
// the general parser's own number reading may be one unit in the last place off, too coarse to
// tell whether a number reads back exactly.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace quarvel::testing {

// Paths join object keys and array positions with '/': "lattices/0/cell/3". Throws
// std::runtime_error for text that is not JSON.
std::map<std::string, double> json_numbers(std::string_view text);

}  // namespace quarvel::testing
