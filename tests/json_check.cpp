// Recursive descent over the JSON grammar; the first fault ends the check with its offset.
#include "json_check.hpp"

#include <algorithm>
#include <charconv>

namespace quarvel::testing {

namespace {

// Deeper nesting than the analysis ever writes; bounds the recursion on fuzzed text.
constexpr int kMaxDepth = 64;

class checker {
 public:
  explicit checker(std::string_view text) : text_(text) {}

  json_check run() {
    json_check result;
    skip_space();
    if (peek() == '{') {
      object(0, &result.top_level_keys, "");
    } else {
      value(0, "");
    }
    skip_space();
    if (problem_.empty() && pos_ != text_.size()) fail("text after the value");
    result.problem = problem_;
    if (!problem_.empty()) result.top_level_keys.clear();
    if (problem_.empty()) result.numbers = std::move(numbers_);
    return result;
  }

 private:
  bool ok() const { return problem_.empty(); }
  char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
  bool at_end() const { return pos_ >= text_.size(); }

  void fail(const std::string& what) {
    if (ok()) problem_ = "at offset " + std::to_string(pos_) + ": " + what;
  }

  void skip_space() {
    while (!at_end() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
      ++pos_;
  }

  bool take(char expected) {
    if (at_end() || peek() != expected) return false;
    ++pos_;
    return true;
  }

  void literal(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) return fail("not a value");
    pos_ += word.size();
  }

  static std::string joined(const std::string& path, const std::string& step) {
    return path.empty() ? step : path + "/" + step;
  }

  void value(int depth, const std::string& path) {
    if (depth > kMaxDepth) return fail("nested too deeply");
    skip_space();
    switch (peek()) {
      case '{':
        return object(depth, nullptr, path);
      case '[':
        return array(depth, path);
      case '"': {
        std::string ignored;
        return string(ignored);
      }
      case 't':
        return literal("true");
      case 'f':
        return literal("false");
      case 'n':
        return literal("null");
      default:
        return number(path);
    }
  }

  void object(int depth, std::vector<std::string>* keys_out, const std::string& path) {
    ++pos_;  // '{'
    std::vector<std::string> keys;
    skip_space();
    if (take('}')) return;
    while (ok()) {
      skip_space();
      std::string key;
      if (peek() != '"') return fail("a key must be a string");
      string(key);
      if (!ok()) return;
      if (std::find(keys.begin(), keys.end(), key) != keys.end())
        return fail("key '" + key + "' twice");
      keys.push_back(key);
      skip_space();
      if (!take(':')) return fail("':' expected after a key");
      value(depth + 1, joined(path, key));
      if (!ok()) return;
      skip_space();
      if (take('}')) break;
      if (!take(',')) return fail("',' or '}' expected");
    }
    if (keys_out) *keys_out = keys;
  }

  void array(int depth, const std::string& path) {
    ++pos_;  // '['
    skip_space();
    if (take(']')) return;
    for (int place = 0; ok(); ++place) {
      value(depth + 1, joined(path, std::to_string(place)));
      if (!ok()) return;
      skip_space();
      if (take(']')) return;
      if (!take(',')) return fail("',' or ']' expected");
    }
  }

  static bool is_hex(char ch) {
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
  }

  void string(std::string& out) {
    ++pos_;  // '"'
    while (true) {
      if (at_end()) return fail("unterminated string");
      const char ch = text_[pos_++];
      if (ch == '"') return;
      if (static_cast<unsigned char>(ch) < 0x20) return fail("control character in a string");
      if (ch != '\\') {
        out += ch;
        continue;
      }
      if (at_end()) return fail("unterminated escape");
      const char escaped = text_[pos_++];
      if (escaped == 'u') {
        for (int k = 0; k < 4; ++k)
          if (at_end() || !is_hex(text_[pos_++])) return fail("\\u needs four hex digits");
        out += '?';
      } else if (std::string_view("\"\\/bfnrt").find(escaped) == std::string_view::npos) {
        return fail("unknown escape");
      } else {
        out += escaped;
      }
    }
  }

  bool digits() {
    const std::size_t start = pos_;
    while (!at_end() && peek() >= '0' && peek() <= '9') ++pos_;
    return pos_ > start;
  }

  void number(const std::string& path) {
    const std::size_t start = pos_;
    take('-');
    if (take('0')) {
      if (!at_end() && peek() >= '0' && peek() <= '9') return fail("leading zero");
    } else if (!digits()) {
      return fail("not a value");
    }
    if (take('.') && !digits()) return fail("digits expected after '.'");
    if (take('e') || take('E')) {
      if (!take('+')) take('-');
      if (!digits()) return fail("digits expected in the exponent");
    }
    double x = 0;
    std::from_chars(text_.data() + start, text_.data() + pos_, x);
    numbers_[path] = x;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::string problem_;
  std::map<std::string, double> numbers_;
};

}  // namespace

json_check check_json(std::string_view text) {
  return checker(text).run();
}

}  // namespace quarvel::testing
