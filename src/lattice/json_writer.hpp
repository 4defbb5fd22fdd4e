// A small streaming JSON writer: compact output, strings escaped, numbers locale-free.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lattice {

class json_writer {
 public:
  json_writer& begin_object();
  json_writer& end_object();
  json_writer& begin_array();
  json_writer& end_array();
  json_writer& key(std::string_view name);
  json_writer& value(std::string_view text);
  json_writer& value(const char* text) { return value(std::string_view(text)); }
  json_writer& value(double number);  // six decimals at most
  json_writer& exact(double number);  // every digit needed to read it back
  json_writer& value(int number);
  json_writer& value(bool flag);
  json_writer& null();
  json_writer& numbers(const std::vector<double>& list);
  const std::string& text() const { return out_; }

 private:
  void separate();
  std::string out_;
  std::vector<bool> has_items_;  // per open container
  bool after_key_ = false;
};

std::string json_escaped(std::string_view text);

}  // namespace lattice
