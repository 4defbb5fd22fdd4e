// Found-cell lines read by their fixed decimals, so that fields a wide number pushed together
// still come apart; then the cell's basis judged against the starting lattice.
#include "main/found_cell_lattice.hpp"

#include <cctype>
#include <cmath>

#include "lattice/metric.hpp"
#include "lattice/number_text.hpp"

namespace quarvel {

namespace {

class number_cursor {
 public:
  explicit number_cursor(std::string_view text) : text_(text) {}

  // The next number: blanks and the matrix's brackets and commas skipped, a sign, digits, and
  // when a point follows it, `decimals` digits (any number of them when decimals < 0).
  std::optional<double> next(int decimals) {
    while (at_end() == false &&
           std::string_view(" ,()").find(text_[pos_]) != std::string_view::npos)
      ++pos_;
    const size_t start = pos_;
    if (!at_end() && text_[pos_] == '-') ++pos_;
    const size_t digits = pos_;
    while (!at_end() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    if (pos_ == digits) return std::nullopt;
    if (!at_end() && text_[pos_] == '.') {
      ++pos_;
      for (int d = 0; (decimals < 0 || d < decimals) && !at_end() &&
                      std::isdigit(static_cast<unsigned char>(text_[pos_]));
           ++d)
        ++pos_;
    }
    return lattice::parse_number(text_.substr(start, pos_ - start));
  }
  bool at_end() const { return pos_ >= text_.size(); }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

// a, b, c with three decimals, the angles with two.
bool read_cell(number_cursor& cursor, std::array<double, 6>& cell) {
  for (int k = 0; k < 6; ++k) {
    std::optional<double> x = cursor.next(k < 3 ? 3 : 2);
    if (!x) return false;
    cell[k] = *x;
  }
  return true;
}

}  // namespace

// The matrix's entries are printed with two decimals: halves from the orthohexagonal
// conversion, and whatever else a common denominator up to 6 makes whole.
lattice::rational_matrix found_cell_matrix(const found_line_fields& found) {
  const std::array<double, 9>& m = found.matrix;
  for (long long den : {1, 2, 3, 4, 6}) {
    lattice::rational_matrix r;
    r.den = den;
    bool whole = true;
    for (int i = 0; i < 9; ++i) {
      const double x = m[i] * static_cast<double>(den);
      r.num[i] = std::llround(x);
      whole =
          whole && std::abs(x - static_cast<double>(r.num[i])) < 0.03 * static_cast<double>(den);
    }
    if (whole) return lattice::normalised(r);
  }
  throw lattice::lattice_error("the matrix is not made of simple fractions");
}

std::optional<initial_line_fields> read_initial_line(std::string_view line) {
  if (line.size() < 5) return std::nullopt;
  initial_line_fields f;
  f.code = std::string(line.substr(0, 4));
  number_cursor cursor(line.substr(4));
  std::optional<double> volume;
  if (!read_cell(cursor, f.cell) || !(volume = cursor.next(1))) return std::nullopt;
  f.volume = *volume;
  return f;
}

std::optional<found_line_fields> read_found_line(std::string_view line) {
  if (line.size() < 5 || line.find('(') == std::string_view::npos) return std::nullopt;
  found_line_fields f;
  f.code = std::string(line.substr(0, 4));
  number_cursor cursor(line.substr(4));
  if (!read_cell(cursor, f.cell)) return std::nullopt;
  std::optional<double> volume = cursor.next(1), ratio = cursor.next(2);
  if (!volume || !ratio) return std::nullopt;
  f.volume = *volume;
  f.ratio = *ratio;
  for (double& m : f.matrix) {
    std::optional<double> x = cursor.next(2);
    if (!x) return std::nullopt;
    m = *x;
  }
  std::optional<double> first = cursor.next(-1), second = cursor.next(-1);
  if (second) {
    f.cross_reference = static_cast<int>(*first);
    f.number = static_cast<int>(*second);
  } else if (first) {
    f.number = static_cast<int>(*first);
  }
  return f;
}

std::string found_cell_lattice::verdict() const {
  if (!matrix.is_integer() && relation.kind == lattice::relation_kind::same_lattice)
    return "the lattice of the starting cell read as " +
           std::string(lattice::centring_name(relation.centred)) +
           "-centred: axes are fractions of the starting axes";
  std::string text = relation.verdict();
  switch (relation.kind) {
    case lattice::relation_kind::same_lattice:
      if (relation.centred != lattice::centring::P)
        text += ": no new reflections, only the centring's extinctions";
      break;
    case lattice::relation_kind::superlattice:
      text += ": needs superstructure reflections";
      break;
    case lattice::relation_kind::sublattice:
      text += ": axes are fractions of the starting axes, a finer lattice";
      break;
    case lattice::relation_kind::unrelated:
      text += ": axes are fractions of the starting axes, and neither lattice holds the other";
      break;
  }
  return text;
}

found_cell_lattice explain_found_cell(const found_line_fields& found, const lattice::cell& start,
                                      double delta_limit) {
  found_cell_lattice e;
  e.matrix = found_cell_matrix(found);
  const lattice::analysis_options options{lattice::centring::P, delta_limit, 1};
  if (e.matrix.is_integer()) {
    const lattice::basis_verdict v = lattice::judge_basis(start, options, e.matrix.whole());
    e.bravais = v.bravais;
    e.delta = v.delta;
    e.relation = v.relation;
    return e;
  }
  // The starting axes in the found cell's: whole when the found cell's lattice holds the
  // starting one. A hexagonal cell made of half axes may belong to neither.
  const lattice::rational_matrix back = lattice::inverse(e.matrix);
  if (back.is_integer()) {
    e.relation = lattice::finer_relation(back.whole());
  } else {
    e.relation = {lattice::relation_kind::unrelated, 0, lattice::centring::P, false};
  }
  const lattice::cell spanned =
      lattice::cell_of(lattice::transformed(lattice::metric_of(start), e.matrix.to_real()));
  const lattice::lattice_entry top = lattice::analyse(spanned, options).lattices.front();
  e.bravais = top.bravais;
  e.delta = top.delta;
  return e;
}

std::string explanation_text(const found_cell_lattice& e) {
  return std::string(lattice::bravais_name(e.bravais)) + ", \xce\xb4 " +
         lattice::fixed(e.delta, 2) + "\xc2\xb0: " + e.verdict() + "; " +
         lattice::change_of_basis_text(e.matrix);
}

}  // namespace quarvel
