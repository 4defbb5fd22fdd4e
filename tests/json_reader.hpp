// Reads the program's JSON back with an independent parser (the one gemmi ships).
#pragma once

#include <gemmi/third_party/sajson.h>

#include <string>

namespace quarvel::testing {

// The parser works in place on its own copy of the text, which must outlive the values.
class json_document {
 public:
  explicit json_document(std::string text)
      : text_(std::move(text)),
        doc_(sajson::parse(sajson::dynamic_allocation(),
                           sajson::mutable_string_view(text_.size(), text_.data()))) {}
  bool valid() const { return doc_.is_valid(); }
  std::string error() const { return doc_.get_error_message_as_string(); }
  sajson::value root() const { return doc_.get_root(); }

 private:
  std::string text_;
  sajson::document doc_;
};

inline sajson::value key(const sajson::value& object, const char* name) {
  return object.get_value_of_key(sajson::string(name, std::char_traits<char>::length(name)));
}

}  // namespace quarvel::testing
