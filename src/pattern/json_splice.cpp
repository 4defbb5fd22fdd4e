// A scan that knows strings and nesting and nothing else of JSON.
#include "pattern/json_splice.hpp"

#include <stdexcept>

namespace pattern {

namespace {

// The position just past the string that opens at `at`.
std::size_t past_string(std::string_view json, std::size_t at) {
  for (++at; at < json.size(); ++at) {
    if (json[at] == '\\')
      ++at;
    else if (json[at] == '"')
      return at + 1;
  }
  throw std::logic_error("unterminated JSON string");
}

// The position of the bracket that closes the one at `at`.
std::size_t closing(std::string_view json, std::size_t at) {
  int depth = 0;
  while (at < json.size()) {
    const char ch = json[at];
    if (ch == '"') {
      at = past_string(json, at);
      continue;
    }
    if (ch == '{' || ch == '[') ++depth;
    if ((ch == '}' || ch == ']') && --depth == 0) return at;
    ++at;
  }
  throw std::logic_error("unbalanced JSON");
}

void append_members(std::string& out, std::string_view members, bool empty_object) {
  if (members.empty()) return;
  if (!empty_object) out += ',';
  out += members;
}

}  // namespace

std::string with_array_members(std::string_view json, std::string_view array_key,
                               const std::vector<std::string>& members) {
  const std::string key = "\"" + std::string(array_key) + "\":[";
  // The top level's keys come before any nested text that could hold the same words only
  // inside strings, which the scan below skips: find the key at depth 1.
  std::size_t at = 1;
  while (at < json.size() && json.compare(at, key.size(), key) != 0) {
    if (json[at] == '"')
      at = past_string(json, at);
    else if (json[at] == '{' || json[at] == '[')
      at = closing(json, at) + 1;
    else
      ++at;
  }
  if (at >= json.size()) throw std::logic_error("no array '" + std::string(array_key) + "'");
  at += key.size();
  std::string out(json.substr(0, at));
  std::size_t item = 0;
  while (json[at] != ']') {
    if (json[at] == ',') {
      out += ',';
      ++at;
      continue;
    }
    if (json[at] != '{' || item == members.size())
      throw std::logic_error("the array does not hold one object per member");
    const std::size_t end = closing(json, at);
    out += json.substr(at, end - at);
    append_members(out, members[item++], end == at + 1);
    out += '}';
    at = end + 1;
  }
  if (item != members.size()) throw std::logic_error("the array holds fewer objects");
  out += json.substr(at);
  return out;
}

std::string with_top_members(std::string_view json, std::string_view members) {
  const std::size_t end = closing(json, 0);
  std::string out(json.substr(0, end));
  append_members(out, members, end == 1);
  out += json.substr(end);
  return out;
}

}  // namespace pattern
