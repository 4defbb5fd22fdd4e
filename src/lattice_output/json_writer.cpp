// JSON text without a dependency: the output is simple and fully known here.
#include "lattice_output/json_writer.hpp"

#include <cstdio>

#include "lattice/number_text.hpp"

namespace lattice {

namespace {

std::string json_escaped(std::string_view text) {
  std::string out = "\"";
  for (unsigned char ch : text) {
    switch (ch) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (ch < 0x20) {
          char code[8];
          std::snprintf(code, sizeof code, "\\u%04x", ch);
          out += code;
        } else {
          out += static_cast<char>(ch);
        }
    }
  }
  return out + "\"";
}

}  // namespace

void json_writer::separate() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (!has_items_.empty()) {
    if (has_items_.back()) out_ += ',';
    has_items_.back() = true;
  }
}

json_writer& json_writer::begin_object() {
  separate();
  out_ += '{';
  has_items_.push_back(false);
  return *this;
}

json_writer& json_writer::end_object() {
  out_ += '}';
  has_items_.pop_back();
  return *this;
}

json_writer& json_writer::begin_array() {
  separate();
  out_ += '[';
  has_items_.push_back(false);
  return *this;
}

json_writer& json_writer::end_array() {
  out_ += ']';
  has_items_.pop_back();
  return *this;
}

json_writer& json_writer::key(std::string_view name) {
  separate();
  out_ += json_escaped(name) + ':';
  after_key_ = true;
  return *this;
}

json_writer& json_writer::value(std::string_view text) {
  separate();
  out_ += json_escaped(text);
  return *this;
}

json_writer& json_writer::value(double number) {
  separate();
  out_ += shortest(number);
  return *this;
}

json_writer& json_writer::value(int number) {
  separate();
  out_ += std::to_string(number);
  return *this;
}

json_writer& json_writer::value(bool flag) {
  separate();
  out_ += flag ? "true" : "false";
  return *this;
}

json_writer& json_writer::null() {
  separate();
  out_ += "null";
  return *this;
}

json_writer& json_writer::numbers(const std::vector<double>& list) {
  begin_array();
  for (double x : list) value(x);
  return end_array();
}

json_writer& json_writer::cell(const lattice::cell& c) {
  auto p = c.parameters();
  return numbers({p.begin(), p.end()});
}

json_writer& json_writer::matrix(const rational_matrix& m) {
  begin_array();
  for (int i = 0; i < 3; ++i) numbers({m.at(3 * i), m.at(3 * i + 1), m.at(3 * i + 2)});
  return end_array();
}

json_writer& json_writer::relation(const cell_relation& r) {
  key("index").value(r.index);
  key("verdict").value(r.kind_name());
  key("verdict_text").value(r.verdict());
  key("centring");
  if (auto letter = r.centring_letter()) {
    value(*letter);
  } else {
    null();
  }
  if (r.centred == centring::R)
    key("rhombohedral_setting").value(r.reverse ? "reverse" : "obverse");
  return *this;
}

}  // namespace lattice
