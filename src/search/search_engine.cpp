// The vector table and the fast triple search.
//
// Why most triples need no floating-point work:
// - T has integer rows, so det T is an integer: coplanarity is det = 0, and V/Vo of a cell is
//   |det T| (up to rounding), or at least 0.433 |det T| after the orthohexagonal conversion
//   (the hexagonal volume formula underestimates a cell by at most sqrt(3)/2, and halves it).
// - Every system but rhombohedral needs a right angle alpha between q and r, and a right or
//   120-degree gamma between p and q; a rhombohedral cell needs three equal edges. So each q
//   keeps the list of its right-angle partners r and of its equal-length partners r, made once.
// - The target systems can change only while the window pumps messages, once per pair. So the
//   pairs that can become nothing under the targets as they stand take their steps in one call
//   (a row), which the host ends after a step that may have changed the targets.
// The volume factor t of a triple is (s)^2 with s = |det T| Vo / (lp lq lr) in exact
// arithmetic. The stored components, lengths and cosines are each within 2^-40 of their
// values, which moves s by less than 5e-12 and t by less than 3.5e-11 more. Triples whose s
// could be below 1e-5 (t below 1e-10) are tried in full, so that even a failure of the
// arithmetic stays the same; and the volume bound is used only where t is large enough for
// V/Vo to stay within 0.1 % of |det T|.
#include "search/search_engine.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>

#include "mathhkl/angles.hpp"
#include "search/candidate_check.hpp"

namespace quarvel {
namespace {

using mathhkl::arc_cos;
using mathhkl::crystal_system;
using mathhkl::kDegreesPerRadian;
using mathhkl::system_set;
using index_list = std::vector<std::uint32_t>;

const system_set kRightAngleSystems{crystal_system::cubic, crystal_system::tetragonal,
                                    crystal_system::orthorhombic, crystal_system::hexagonal,
                                    crystal_system::monoclinic};
// Systems whose cells need not have three equal edges: the others need a = b as well.
const system_set kUnequalEdgeSystems{crystal_system::orthorhombic, crystal_system::hexagonal,
                                     crystal_system::monoclinic};
// lp lq lr / (|det T| Vo) above which a triple is tried in full (s below 1e-5), and above which
// V/Vo may be more than 0.1 % from |det T| (t below 6.25e-8).
constexpr double kFlatTriple = 1e5;
constexpr long double kVolumeBoundValid = 4000.0L;
// Comparisons in double that must err on the side of trying more.
constexpr double kSlack = 1.0 + 1e-9;
// Pairs of vectors compared between two calls of the host while the partner lists are made.
constexpr long long kPairsPerPreparationStep = 1 << 16;

struct prepared_vector {
  double x, y, z, length;  // the stored values: 40-bit significands fit a double exactly
  std::int64_t u, v, w;
  int odd;
};

struct prepared_table {
  std::vector<prepared_vector> v;
  std::vector<index_list> right_partners;    // r > q with a right angle alpha(q, r)
  std::vector<index_list> equal_partners;    // r > q with |l_q - l_r| below the tolerance
  std::vector<std::uint32_t> longest_first;  // every index, the longest vector first
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

// Lets the host pump once every kPairsPerPreparationStep pairs of work, so that making the
// lists of a large table (a million equal-length pairs at largest index 20) keeps the window
// alive.
class preparation_pace {
 public:
  explicit preparation_pace(search_host& host) : host_(host) {}
  // True when the host stopped the search.
  bool add(size_t pairs) {
    pairs_ += static_cast<long long>(pairs);
    if (pairs_ < kPairsPerPreparationStep) return false;
    pairs_ = 0;
    return host_.preparation_step();
  }

 private:
  search_host& host_;
  long long pairs_ = 0;
};

// Pairs of equal length, found in length order: only neighbours within the tolerance compare.
// Returns true when the host stopped the search.
bool find_equal_partners(const std::vector<lattice_vector>& vectors, long double tol_param,
                         prepared_table& table, preparation_pace& pace) {
  const size_t n = vectors.size();
  std::vector<std::uint32_t> by_length(n);
  std::iota(by_length.begin(), by_length.end(), 0u);
  std::stable_sort(by_length.begin(), by_length.end(), [&](std::uint32_t i, std::uint32_t j) {
    return vectors[i].length < vectors[j].length;
  });
  for (size_t i = 0; i < n; ++i) {
    const long double li = vectors[by_length[i]].length;
    size_t j = i + 1;
    for (; j < n && vectors[by_length[j]].length - li < tol_param; ++j) {
      const auto [q, r] = std::minmax(by_length[i], by_length[j]);
      table.equal_partners[q].push_back(r);
    }
    if (pace.add(j - i)) return true;
  }
  for (auto& list : table.equal_partners) {
    std::sort(list.begin(), list.end());
    if (pace.add(list.size())) return true;
  }
  table.longest_first.assign(by_length.rbegin(), by_length.rend());
  return false;
}

// Returns true when the host stopped the search.
bool prepare(const std::vector<lattice_vector>& vectors, const candidate_check& test,
             const search_conditions& conditions, search_host& host, prepared_table& table) {
  const size_t n = vectors.size();
  table.v.reserve(n);
  for (const auto& e : vectors) {
    table.v.push_back({static_cast<double>(e.x.value()), static_cast<double>(e.y.value()),
                       static_cast<double>(e.z.value()), static_cast<double>(e.length.value()), e.u,
                       e.v, e.w, odd_indices(e)});
    table.longest = std::max(table.longest, table.v.back().length);
  }
  table.right_partners.resize(n);
  table.equal_partners.resize(n);
  preparation_pace pace(host);
  if (find_equal_partners(vectors, conditions.tol.param, table, pace)) return true;
  const double right_bound = cosine_bound(conditions.tol.angle);
  for (size_t q = 0; q < n; ++q) {
    const prepared_vector& a = table.v[q];
    const double bound = right_bound * a.length * kSlack;
    for (size_t r = q + 1; r < n; ++r) {
      const prepared_vector& b = table.v[r];
      if (std::fabs(a.x * b.x + a.y * b.y + a.z * b.z) > bound * b.length) continue;
      const real48 cosine = test.pair_cosine(q, r);
      if (std::fabs(cosine) >= 1.0L) continue;
      if (std::fabs(stored_angle(cosine) - 90.0L) < conditions.tol.angle) {
        table.right_partners[q].push_back(static_cast<std::uint32_t>(r));
      }
    }
    if (pace.add(n - q)) return true;
  }
  return false;
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

// The thirds r > q that make (p, q, r) so flat that its arithmetic may fail, in order. Only
// vectors longer than kFlatTriple Vo / (lp lq) can, and only with |det T| up to `most_det`,
// which every det of the pair is a multiple of the cross product's divisor.
void find_flat_thirds(const prepared_table& table, size_t p, size_t q, double vo, index_list& out) {
  out.clear();
  const prepared_vector& vp = table.v[p];
  const prepared_vector& vq = table.v[q];
  const double pair_product = vp.length * vq.length;
  const double most_det = pair_product * table.longest / (kFlatTriple * vo) * kSlack;
  const std::int64_t nu = vp.v * vq.w - vp.w * vq.v;
  const std::int64_t nv = vp.w * vq.u - vp.u * vq.w;
  const std::int64_t nw = vp.u * vq.v - vp.v * vq.u;
  const std::int64_t divisor = std::gcd(std::gcd(nu, nv), nw);
  if (divisor == 0 || static_cast<double>(divisor) > most_det) return;
  const double shortest_third = kFlatTriple * vo / pair_product / kSlack;
  for (const std::uint32_t r : table.longest_first) {
    const prepared_vector& vr = table.v[r];
    if (vr.length < shortest_third) break;
    if (r <= q || vp.odd + vq.odd + vr.odd == 0) continue;
    const std::int64_t det = vr.u * nu + vr.v * nv + vr.w * nw;
    if (det == 0) continue;
    if (pair_product * vr.length * kSlack > kFlatTriple * static_cast<double>(std::llabs(det)) * vo)
      out.push_back(r);
  }
  std::sort(out.begin(), out.end());
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
  prepared_table table;
  if (prepare(vectors, test, conditions, host, table)) return;
  const auto& tol = conditions.tol;
  const double right_bound = cosine_bound(tol.angle);
  // Plain cells keep V/Vo near |det|; converted ones keep at least 0.433 |det|.
  const long double ratio_margin = 1.001L;
  const long double plain_det_limit = conditions.max_vol_ratio * ratio_margin;
  const long double converted_det_limit =
      conditions.max_vol_ratio * ratio_margin * 2.0L / 0.8660254L;
  const long double vo = conditions.start_volume;
  // lp lq above which some third could make a flat triple.
  const double flat_pair_product = kFlatTriple * static_cast<double>(vo) / table.longest / kSlack;

  const system_set& wanted_now = host.wanted_systems();
  system_set wanted = wanted_now;
  const index_list kNone;
  index_list merged, flat_thirds, thirds_with_flat;
  matrix3 t{};
  found_cell cell{};
  for (size_t p = 0; p + 1 < n; ++p) {
    const prepared_vector& vp = table.v[p];
    set_row(t, 0, vectors[p]);
    const index_list& equal_to_p = table.equal_partners[p];
    // Two walks along the partners of p, each with q rising: the look-ahead and the work.
    auto ahead_equal = equal_to_p.begin();
    auto next_equal = equal_to_p.begin();
    size_t looked_ahead_to = p + 1;  // ahead_equal is past every partner below this
    auto equal_at = [&](index_list::const_iterator& it, size_t q) {
      while (it != equal_to_p.end() && *it < q) ++it;
      return it != equal_to_p.end() && *it == q;
    };
    // What the pair can still become, before any cosine.
    struct prospects {
      bool may_right, may_hex, rhombohedral_path, flat_pair;
      bool any() const { return may_right || may_hex || rhombohedral_path || flat_pair; }
    };
    auto prospects_of = [&](size_t q, bool equal_pq) {
      const bool edges_allowed = equal_pq || wanted.intersects(kUnequalEdgeSystems);
      return prospects{edges_allowed && wanted.intersects(kRightAngleSystems),
                       edges_allowed && wanted.contains(crystal_system::hexagonal),
                       wanted.contains(crystal_system::rhombohedral) && equal_pq,
                       vp.length * table.v[q].length > flat_pair_product};
    };

    // The pair's thirds tried; true when the host stopped the search.
    auto work_on = [&](size_t q) {
      const prepared_vector& vq = table.v[q];
      const bool equal_pq = equal_at(next_equal, q);
      const prospects can = prospects_of(q, equal_pq);
      if (!can.any()) return false;
      const double pair_product = vp.length * vq.length;
      const bool flat_pair = can.flat_pair;

      // gamma: its exact stored value only matters when it may be right or 120 degrees.
      bool right_gamma = false;
      bool hex_gamma = false;
      bool have_cos_gamma = false;
      real48 cos_gamma;
      if (can.may_right || can.may_hex) {
        const double c = (vp.x * vq.x + vp.y * vq.y + vp.z * vq.z) / pair_product;
        if (std::fabs(c) <= right_bound || std::fabs(c + 0.5) <= right_bound) {
          cos_gamma = test.pair_cosine(p, q);
          have_cos_gamma = true;
          if (std::fabs(cos_gamma) < 1.0L) {
            const long double gamma = stored_angle(cos_gamma);
            right_gamma = can.may_right && std::fabs(gamma - 90.0L) < tol.angle;
            hex_gamma = can.may_hex && std::fabs(gamma - 120.0L) < tol.angle;
          }
        }
      }
      const bool right_path = right_gamma || hex_gamma;
      // Only cubic cells wanted among the right-angled ones: c = b as well.
      const bool cubic_only =
          !wanted.intersects(kUnequalEdgeSystems) && !wanted.contains(crystal_system::tetragonal);

      const index_list* thirds = &kNone;
      if (right_path && !cubic_only) {
        merge_into(table.right_partners[q], can.rhombohedral_path ? table.equal_partners[q] : kNone,
                   merged);
        thirds = &merged;
      } else if (right_path || can.rhombohedral_path) {
        thirds = &table.equal_partners[q];
      }
      if (flat_pair) {
        find_flat_thirds(table, p, q, static_cast<double>(vo), flat_thirds);
        if (!flat_thirds.empty()) {
          merge_into(*thirds, flat_thirds, thirds_with_flat);
          thirds = &thirds_with_flat;
        }
      }
      if (thirds->empty()) return false;
      set_row(t, 1, vectors[q]);
      if (!have_cos_gamma) cos_gamma = test.pair_cosine(p, q);
      // right_gamma is only known where a converted cell, which is hexagonal, may be kept.
      const long double det_limit = right_gamma ? converted_det_limit : plain_det_limit;
      auto next_flat = flat_thirds.cbegin();
      for (const std::uint32_t r : *thirds) {
        const prepared_vector& vr = table.v[r];
        while (flat_pair && next_flat != flat_thirds.cend() && *next_flat < r) ++next_flat;
        const bool flat = flat_pair && next_flat != flat_thirds.cend() && *next_flat == r;
        if (vp.odd + vq.odd + vr.odd == 0) continue;
        const std::int64_t det = triple_product(vp, vq, vr);
        if (det == 0) continue;
        const long double abs_det = static_cast<long double>(std::llabs(det));
        if (!flat && abs_det > det_limit &&
            static_cast<long double>(pair_product) * vr.length <=
                kVolumeBoundValid * abs_det * vo) {
          continue;
        }
        set_row(t, 2, vectors[r]);
        if (test.test(p, q, r, t, cos_gamma, cell) && host.add_found(cell)) return true;
      }
      return false;
    };

    const long long visits = static_cast<long long>(n);
    for (size_t q = p + 1; q < n;) {
      // The pairs from q on that can become nothing under the targets as they stand.
      if (q < looked_ahead_to)
        ahead_equal = std::lower_bound(equal_to_p.begin(), equal_to_p.end(), q);
      size_t quiet_end = q;
      while (quiet_end < n && !prospects_of(quiet_end, equal_at(ahead_equal, quiet_end)).any())
        ++quiet_end;
      looked_ahead_to = quiet_end;
      if (quiet_end == q) {
        // Its step first: the targets it is worked on with are those after the step.
        if (host.pair_steps(1, visits) < 0) return;
        wanted = wanted_now;
        if (work_on(q)) return;
        ++q;
        continue;
      }
      const long long taken = host.pair_steps(static_cast<long long>(quiet_end - q), visits);
      if (taken < 0) return;
      q += static_cast<size_t>(taken);
      if (!(wanted_now == wanted)) {
        // The targets changed in the last step taken: its pair is looked at again.
        wanted = wanted_now;
        if (work_on(q - 1)) return;
      }
    }
  }
}

}  // namespace quarvel
