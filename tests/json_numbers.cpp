// A recursive walk over the JSON grammar that keeps only the numbers and where they stand.
#include "json_numbers.hpp"

#include <charconv>
#include <stdexcept>

namespace quarvel::testing {

namespace {

class walker {
 public:
  explicit walker(std::string_view text) : text_(text) {}

  std::map<std::string, double> run() {
    value("");
    skip_blanks();
    if (pos_ != text_.size()) fail("text after the value");
    return found_;
  }

 private:
  [[noreturn]] void fail(const std::string& what) const {
    throw std::runtime_error(what + " at " + std::to_string(pos_));
  }

  void skip_blanks() {
    while (pos_ < text_.size() &&
           std::string_view(" \t\r\n").find(text_[pos_]) != std::string_view::npos)
      ++pos_;
  }

  char peek() {
    skip_blanks();
    if (pos_ >= text_.size()) fail("unexpected end");
    return text_[pos_];
  }

  void expect(char ch) {
    if (peek() != ch) fail(std::string("expected '") + ch + "'");
    ++pos_;
  }

  std::string string_token() {
    expect('"');
    std::string out;
    while (pos_ < text_.size() && text_[pos_] != '"') {
      if (text_[pos_] == '\\') ++pos_;  // the escaped character is kept as it stands
      if (pos_ < text_.size()) out += text_[pos_++];
    }
    expect('"');
    return out;
  }

  static std::string joined(const std::string& path, const std::string& step) {
    return path.empty() ? step : path + "/" + step;
  }

  void value(const std::string& path) {
    const char ch = peek();
    if (ch == '{') {
      ++pos_;
      if (peek() == '}') return void(++pos_);
      for (;;) {
        const std::string name = string_token();
        expect(':');
        value(joined(path, name));
        if (peek() == ',') {
          ++pos_;
          continue;
        }
        return expect('}');
      }
    }
    if (ch == '[') {
      ++pos_;
      if (peek() == ']') return void(++pos_);
      for (int k = 0;; ++k) {
        value(joined(path, std::to_string(k)));
        if (peek() == ',') {
          ++pos_;
          continue;
        }
        return expect(']');
      }
    }
    if (ch == '"') return void(string_token());
    for (std::string_view word : {"true", "false", "null"})
      if (text_.substr(pos_, word.size()) == word) return void(pos_ += word.size());
    double x = 0;
    const auto result = std::from_chars(text_.data() + pos_, text_.data() + text_.size(), x);
    if (result.ec != std::errc()) fail("not a value");
    pos_ = static_cast<std::size_t>(result.ptr - text_.data());
    found_[path] = x;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::map<std::string, double> found_;
};

}  // namespace

std::map<std::string, double> json_numbers(std::string_view text) {
  return walker(text).run();
}

}  // namespace quarvel::testing
