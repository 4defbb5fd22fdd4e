// Members added to JSON objects that another writer made, so that the lattice analysis's own
// JSON gains the pattern's keys without a second writer of it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pattern {

// `members` ("\"key\":value,...", no braces) appended to the i-th object of the array under the
// top-level key `array_key`; an empty text adds nothing. The JSON must be a valid object whose
// array holds exactly members.size() objects; throws std::logic_error otherwise.
std::string with_array_members(std::string_view json, std::string_view array_key,
                               const std::vector<std::string>& members);

// `members` appended to the top-level object.
std::string with_top_members(std::string_view json, std::string_view members);

}  // namespace pattern
