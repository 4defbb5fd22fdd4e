// A small streaming JSON writer: compact output, strings escaped, numbers locale-free and each
// written with every digit needed to read it back as the same double.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "lattice/cell_relation.hpp"
#include "lattice/rational_matrix.hpp"
#include "lattice/types.hpp"

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
  json_writer& value(double number);  // the shortest text that reads back as the same double
  json_writer& value(int number);
  json_writer& value(bool flag);
  json_writer& null();
  json_writer& numbers(const std::vector<double>& list);
  // [a, b, c, alpha, beta, gamma]
  json_writer& cell(const lattice::cell& c);
  // Three rows of three numbers; 1/3 as 0.3333333333333333, the nearest double.
  json_writer& matrix(const rational_matrix& m);
  // The keys of a cell's relation to a lattice, in the open object: "index", "verdict" ("same
  // lattice", "superlattice" or "sublattice"), "verdict_text", "centring" (the letter, or null
  // for a primitive cell) and, for R, "rhombohedral_setting".
  json_writer& relation(const cell_relation& r);
  const std::string& text() const { return out_; }

 private:
  void separate();
  std::string out_;
  std::vector<bool> has_items_;  // per open container
  bool after_key_ = false;
};

// Members a caller adds to a document's objects with the same writer: `item` inside the i-th
// object of its listed array (the analysis's lattices, a comparison's solutions), `top` at the
// end of the top-level object. Either may be empty.
struct json_additions {
  std::function<void(json_writer&, std::size_t)> item;
  std::function<void(json_writer&)> top;
};

}  // namespace lattice
