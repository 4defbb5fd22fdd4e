// The vector table and the fast triple search.
//
// Why most triples need no floating-point work:
// - T has integer rows, so det T is an integer: coplanarity is det = 0, and V/Vo of a cell is
//   |det T| (up to rounding), or at least 0.433 |det T| after the orthohexagonal conversion
//   (the hexagonal volume formula underestimates a cell by at most sqrt(3)/2, and halves it).
// - Every system but rhombohedral needs a right angle alpha between q and r, and a right or
//   120-degree gamma between p and q; a rhombohedral cell needs three equal edges. So each q
//   keeps the list of its right-angle partners r and of its equal-length partners r, made once.
// - The target systems can change only while the window pumps messages, once per pair.
// The volume factor t of a triple is (|det T| Vo / (lp lq lr))^2 in exact arithmetic; its
// cosines are rounded to 40 bits, which moves t by less than 1e-10. Pairs whose flattest
// possible triple could have a t that rounding turns negative are tried in full, so that even
// a failure of the arithmetic stays the same; and the volume bound is used only where t is
// large enough for V/Vo to stay within 0.1 % of |det T|.
#include "search/search_engine.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "mathhkl/angles.hpp"
#include "search/candidate_check.hpp"

namespace quarvel {
namespace {

using mathhkl::arc_cos;
using mathhkl::kDegreesPerRadian;
using index_list = std::vector<std::uint32_t>;

constexpr unsigned bit(int system) {
  return 1u << system;
}
constexpr unsigned kRightAngleSystems = bit(1) | bit(2) | bit(3) | bit(4) | bit(6);
// lp lq lr / (|det T| Vo) above which t may fall below 1e-9 (rounding could make it negative),
// and above which V/Vo may be more than 0.1 % from |det T| (t below 6.25e-8).
constexpr long double kFlatTriple = 31623.0L;
constexpr long double kVolumeBoundValid = 4000.0L;

struct prepared_vector {
  double x, y, z, length;  // the stored values: 40-bit significands fit a double exactly
  std::int64_t u, v, w;
  int odd;
};

struct prepared_table {
  std::vector<prepared_vector> v;
  std::vector<index_list> right_partners;  // r > q with a right angle alpha(q, r)
  std::vector<index_list> equal_partners;  // r > q with |l_q - l_r| below the tolerance
  double longest = 0.0;
};

// |cos| can reach this for an angle within `tolerance` degrees of 90 (or of 120 for |cos + 1/2|)
// once the program's 57.2957 and the rounding are allowed for: a cosine moves by no more than
// its angle does, in radians.
double cosine_bound(long double tolerance) {
  const long double radians = std::max(0.0L, tolerance) / 57.0L + 1e-5L;
  return radians >= 2.0L ? 2.0 : static_cast<double>(radians) + 1e-9;
}

long double stored_angle(const real48& cosine) {
  return real48(arc_cos(cosine) * kDegreesPerRadian);
}

prepared_table prepare(const std::vector<lattice_vector>& vectors, const candidate_check& test,
                       const search_conditions& conditions) {
  const size_t n = vectors.size();
  prepared_table table;
  table.v.reserve(n);
  for (const auto& e : vectors) {
    table.v.push_back({static_cast<double>(e.x.value()), static_cast<double>(e.y.value()),
                       static_cast<double>(e.z.value()), static_cast<double>(e.length.value()), e.u,
                       e.v, e.w, odd_indices(e)});
    table.longest = std::max(table.longest, table.v.back().length);
  }
  table.right_partners.resize(n);
  table.equal_partners.resize(n);
  const double right_bound = cosine_bound(conditions.tol.angle);
  for (size_t q = 0; q < n; ++q) {
    const prepared_vector& a = table.v[q];
    for (size_t r = q + 1; r < n; ++r) {
      const prepared_vector& b = table.v[r];
      if (std::fabs(vectors[q].length - vectors[r].length) < conditions.tol.param) {
        table.equal_partners[q].push_back(static_cast<std::uint32_t>(r));
      }
      const double c = (a.x * b.x + a.y * b.y + a.z * b.z) / (a.length * b.length);
      if (std::fabs(c) > right_bound) continue;
      const real48 cosine = test.pair_cosine(q, r);
      if (std::fabs(cosine) >= 1.0L) continue;
      if (std::fabs(stored_angle(cosine) - 90.0L) < conditions.tol.angle) {
        table.right_partners[q].push_back(static_cast<std::uint32_t>(r));
      }
    }
  }
  return table;
}

std::int64_t triple_product(const prepared_vector& p, const prepared_vector& q,
                            const prepared_vector& r) {
  return r.u * (p.v * q.w - p.w * q.v) + r.v * (p.w * q.u - p.u * q.w) +
         r.w * (p.u * q.v - p.v * q.u);
}

// The sorted union of two sorted lists.
void merge_into(const index_list& a, const index_list& b, index_list& out) {
  out.clear();
  std::set_union(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(out));
}

}  // namespace

std::vector<lattice_vector> build_vector_table(int max_vector, const matrix3& axes_matrix) {
  std::vector<lattice_vector> table;
  if (max_vector < 1) return table;
  const long double side = 2.0L * max_vector + 1.0L;
  table.reserve(static_cast<size_t>((side * side * side - 1.0L) / 2.0L));
  const auto& m = axes_matrix;
  for (int u = max_vector; u >= -max_vector; --u) {
    for (int v = max_vector; v >= -max_vector; --v) {
      for (int w = max_vector; w >= 0; --w) {
        if (u == 0 && v == 0 && w == 0) continue;
        // Only vectors with w = 0 can meet their opposite; the one visited first is kept.
        if (w == 0 && (u < 0 || (u == 0 && v < 0))) continue;
        lattice_vector e{u, v, w, {}, {}, {}, {}};
        e.x = m[0][0] * u + m[0][1] * v + m[0][2] * w;
        e.y = m[1][0] * u + m[1][1] * v + m[1][2] * w;
        e.z = m[2][0] * u + m[2][1] * v + m[2][2] * w;
        e.length = std::sqrt(e.x * e.x + e.y * e.y + e.z * e.z);
        table.push_back(e);
      }
    }
  }
  return table;
}

void run_triple_search(const std::vector<lattice_vector>& vectors, const matrix3& axes_matrix,
                       const search_conditions& conditions, search_host& host) {
  const size_t n = vectors.size();
  const candidate_check test(vectors, axes_matrix, conditions);
  const prepared_table table = prepare(vectors, test, conditions);
  const auto& tol = conditions.tol;
  const double right_bound = cosine_bound(tol.angle);
  // Plain cells keep V/Vo near |det|; converted ones keep at least 0.433 |det|.
  const long double ratio_margin = 1.001L;
  const long double plain_det_limit = conditions.max_vol_ratio * ratio_margin;
  const long double converted_det_limit =
      conditions.max_vol_ratio * ratio_margin * 2.0L / 0.8660254L;
  const long double vo = conditions.start_volume;

  index_list merged;
  matrix3 t{};
  found_cell cell{};
  for (size_t p = 0; p + 1 < n; ++p) {
    const prepared_vector& vp = table.v[p];
    set_row(t, 0, vectors[p]);
    for (size_t q = p + 1; q < n; ++q) {
      const prepared_vector& vq = table.v[q];
      if (host.pair_step()) return;
      host.inner_steps(static_cast<long long>(n));
      const unsigned wanted = host.wanted_systems();
      const bool equal_pq = std::fabs(vectors[p].length - vectors[q].length) < tol.param;

      // gamma: its exact stored value only matters when it may be right or 120 degrees.
      const double c = (vp.x * vq.x + vp.y * vq.y + vp.z * vq.z) / (vp.length * vq.length);
      bool right_gamma = false;
      bool hex_gamma = false;
      const bool near_right_or_hex =
          std::fabs(c) <= right_bound || std::fabs(c + 0.5) <= right_bound;
      real48 cos_gamma;
      if (near_right_or_hex) {
        cos_gamma = test.pair_cosine(p, q);
        if (std::fabs(cos_gamma) < 1.0L) {
          const long double gamma = stored_angle(cos_gamma);
          right_gamma = std::fabs(gamma - 90.0L) < tol.angle;
          hex_gamma = std::fabs(gamma - 120.0L) < tol.angle;
        }
      }
      const long double pair_product = static_cast<long double>(vp.length) * vq.length;
      const bool flat = pair_product * table.longest > kFlatTriple * vo;
      // Cubic and tetragonal cells need a = b; cubic ones b = c as well.
      const bool only_equal_edges = (wanted & (bit(3) | bit(4) | bit(6))) == 0;
      const bool right_path =
          ((right_gamma && (wanted & kRightAngleSystems)) || (hex_gamma && (wanted & bit(4)))) &&
          (equal_pq || !only_equal_edges);
      const bool rhombohedral_path = (wanted & bit(5)) && equal_pq;

      const index_list* thirds = &table.equal_partners[q];
      if (flat) {
        merged.clear();
        for (size_t r = q + 1; r < n; ++r) merged.push_back(static_cast<std::uint32_t>(r));
        thirds = &merged;
      } else if (right_path && !(only_equal_edges && (wanted & bit(2)) == 0)) {
        merge_into(table.right_partners[q],
                   rhombohedral_path ? table.equal_partners[q] : index_list{}, merged);
        thirds = &merged;
      } else if (!right_path && !rhombohedral_path) {
        continue;
      }
      if (thirds->empty()) continue;
      set_row(t, 1, vectors[q]);
      if (!near_right_or_hex) cos_gamma = test.pair_cosine(p, q);
      const long double det_limit = right_gamma ? converted_det_limit : plain_det_limit;
      for (const std::uint32_t r : *thirds) {
        const prepared_vector& vr = table.v[r];
        if (vp.odd + vq.odd + vr.odd == 0) continue;
        const std::int64_t det = triple_product(vp, vq, vr);
        if (det == 0) continue;
        const long double abs_det = static_cast<long double>(std::llabs(det));
        if (!flat && abs_det > det_limit &&
            pair_product * vr.length <= kVolumeBoundValid * abs_det * vo) {
          continue;
        }
        set_row(t, 2, vectors[r]);
        if (test.test(p, q, r, t, cos_gamma, cell) && host.add_found(cell)) return;
      }
    }
  }
}

}  // namespace quarvel
