// The fast search against the plain loop on several hundred cells: random cells and cells
// built to sit on every edge the prefilters rely on. The found lines must be identical, in
// order, and the progress must count the same steps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <random>
#include <utility>

#include "mathhkl/angles.hpp"
#include "mathhkl/geometry.hpp"
#include "platform/error.hpp"
#include "reference_search.hpp"
#include "search_recorder.hpp"

namespace quarvel {
namespace {

using mathhkl::crystal_system;
using mathhkl::system_set;
using S = crystal_system;
const system_set kAll = system_set::searchable();

struct differential_case {
  mathhkl::cell_params cell;
  int max_vector;
  long double tol_param, tol_angle, max_ratio;
  system_set wanted;
  // What the cell was built to give: each of these must be found, so that a search that finds
  // nothing in both engines cannot pass. Empty where finding nothing is the point.
  system_set built_to_find{};
  // The wanted systems become `later_wanted` at this pair's step (from 1; 0 for never).
  long long change_at_pair = 0;
  system_set later_wanted{};
};

std::string system_codes(system_set systems) {
  std::string codes;
  for (crystal_system s : mathhkl::kSearchableSystems)
    if (systems.contains(s)) codes += std::string(mathhkl::info_of(s).code);
  return codes.empty() ? "none" : codes;
}

std::string describe(const differential_case& c) {
  std::string s;
  for (const auto& v : c.cell) s += std::to_string(static_cast<double>(v.value())) + " ";
  return s + "mv " + std::to_string(c.max_vector) + " tol " +
         std::to_string(static_cast<double>(c.tol_param)) + "/" +
         std::to_string(static_cast<double>(c.tol_angle)) + " ratio " +
         std::to_string(static_cast<double>(c.max_ratio)) + " wanted " + system_codes(c.wanted);
}

using engine = void (*)(const std::vector<lattice_vector>&, const matrix3&,
                        const search_conditions&, search_host&);

struct engine_run {
  search_recorder host;
  std::string failure;  // the arithmetic's message when it ended the search
};

engine_run run_engine(engine search, const differential_case& c) {
  mathhkl::cell_state state;
  state.cell = c.cell;
  state.tol_param = c.tol_param;
  state.tol_angle = c.tol_angle;
  mathhkl::recognise_cell_system(state);
  mathhkl::compute_cell_geometry(state);
  const real48 vo = mathhkl::cell_volume(c.cell[0], c.cell[1], c.cell[2], c.cell[3], c.cell[4],
                                         c.cell[5], mathhkl::kRadiansPerDegreeLiteral);
  const search_conditions conditions{
      {state.tol_param, state.tol_angle}, c.max_ratio, vo, state.system_code == "HEXA"};
  const auto table = build_vector_table(c.max_vector, state.axes_matrix);
  engine_run run{search_recorder(c.wanted), {}};
  run.host.change_at_pair = c.change_at_pair;
  run.host.later_systems = c.later_wanted;
  try {
    search(table, state.axes_matrix, conditions, run.host);
  } catch (const platform::error& e) {
    run.failure = e.what();
  }
  return run;
}

struct compared_runs {
  engine_run reference, fast;
};

// Both engines: the found lines, the progress and a failure of the arithmetic must agree.
// Returns both runs, so that a run that finds nothing cannot pass unnoticed.
compared_runs expect_same_run(const differential_case& c) {
  SCOPED_TRACE(describe(c));
  engine_run reference = run_engine(run_reference_search, c);
  engine_run fast = run_engine(run_triple_search, c);
  EXPECT_EQ(fast.host.lines, reference.host.lines);
  EXPECT_EQ(fast.host.pairs, reference.host.pairs);
  EXPECT_EQ(fast.failure, reference.failure);
  EXPECT_EQ(fast.host.steps, reference.host.steps);
  return {std::move(reference), std::move(fast)};
}

system_set systems_found(const engine_run& run) {
  system_set systems;
  for (const auto& cell : run.host.cells) systems.insert(cell.system);
  return systems;
}

// The systems found, once both engines agree and each found what the cell was built to give.
system_set expect_same_results(const differential_case& c) {
  const compared_runs runs = expect_same_run(c);
  SCOPED_TRACE(describe(c));
  const std::pair<const char*, const engine_run*> engines[] = {{"plain loop", &runs.reference},
                                                               {"fast search", &runs.fast}};
  for (const auto& [name, run] : engines) {
    const system_set found = systems_found(*run);
    EXPECT_EQ(found | c.built_to_find, found) << "the " << name << " finds " << system_codes(found)
                                              << " of " << system_codes(c.built_to_find);
  }
  return systems_found(runs.reference);
}

long double root3() {
  return std::sqrt(3.0L);
}

// Cells chosen to sit where a prefilter could go wrong.
std::vector<differential_case> edge_cases() {
  const long double r3 = root3();
  const system_set hexa_only{S::hexagonal}, cubic_only{S::cubic},
      cubic_rhomb{S::cubic, S::rhombohedral};
  const system_set tetra_only{S::tetragonal}, mono_only{S::monoclinic}, rhomb_only{S::rhombohedral};
  // What a cell of a system gives, with its sub-lattices, at small largest indices.
  const system_set tetragonal_family{S::tetragonal, S::orthorhombic, S::monoclinic},
      orthorhombic_family{S::orthorhombic, S::monoclinic},
      hexagonal_family{S::hexagonal, S::rhombohedral, S::monoclinic}, nothing{};
  std::vector<differential_case> cases = {
      // every system, primitive and centred settings
      {{4, 4, 4, 90, 90, 90}, 2, 0.005L, 0.3L, 10, kAll, kAll},
      {{4, 4, 6, 90, 90, 90}, 2, 0.005L, 0.3L, 10, kAll, tetragonal_family},
      {{4, 5, 6, 90, 90, 90}, 2, 0.005L, 0.3L, 10, kAll, orthorhombic_family},
      {{4, 4, 6, 90, 90, 120}, 2, 0.005L, 0.3L, 10, kAll, hexagonal_family},
      {{5, 5, 5, 80, 80, 80}, 2, 0.005L, 0.3L, 10, kAll, hexagonal_family},
      {{4, 5, 6, 90, 100, 90}, 2, 0.005L, 0.3L, 10, kAll, mono_only},
      {{4, 5, 6, 80, 85, 95}, 2, 0.005L, 0.3L, 10, kAll, nothing},
      {{2.8284L, 2.8284L, 2.8284L, 60, 60, 60}, 3, 0.005L, 0.3L, 10, cubic_only, cubic_only},
      {{2.8284L, 2.8284L, 2.8284L, 60, 60, 60}, 2, 0.005L, 0.3L, 10, kAll, kAll},
      {{3.4641L, 3.4641L, 3.4641L, 109.4712L, 109.4712L, 109.4712L},
       2,
       0.005L,
       0.3L,
       10,
       kAll,
       kAll},
      {{3, 3, 7, 90, 90, 120}, 2, 0.005L, 0.3L, 10, rhomb_only, rhomb_only},
      // centred monoclinic
      {{5.2L, 5.2L, 6.1L, 97, 97, 117.4L}, 2, 0.01L, 0.5L, 10, kAll, mono_only},
      // orthohexagonal ratios at sqrt(3) +- 0.005, from both sides and in every edge pair
      {{3, 3 * (r3 + 0.00499L), 5, 90, 90, 90}, 2, 0.005L, 0.3L, 10, kAll, hexa_only},
      {{3, 3 * (r3 + 0.00501L), 5, 90, 90, 90}, 2, 0.005L, 0.3L, 10, kAll, orthorhombic_family},
      {{3, 3 * (r3 - 0.00499L), 5, 90, 90, 90}, 2, 0.005L, 0.3L, 10, hexa_only, hexa_only},
      {{5, 3, 3 * r3, 90, 90, 90}, 2, 0.005L, 0.3L, 10, kAll, hexa_only},
      {{3 * r3, 5, 3, 90, 90, 90}, 2, 0.005L, 0.3L, 4, hexa_only, hexa_only},
      {{4, 4 * r3, 6, 90, 90, 90}, 3, 0.005L, 0.3L, 4, hexa_only, hexa_only},
      {{2.5L, 2.5L, 2.5L * r3, 90, 90, 90},
       2,
       0.005L,
       0.3L,
       10,
       kAll,
       {S::tetragonal, S::hexagonal}},
      // metrics exactly at the tolerances (all values exact in binary)
      {{4, 4.5L, 6, 90, 90, 90}, 2, 0.5L, 0.25L, 10, kAll, orthorhombic_family},
      {{4, 4, 4, 90.25L, 90, 90}, 2, 0.005L, 0.25L, 10, kAll, orthorhombic_family},
      {{4, 5, 6, 90.25L, 100, 90.25L}, 2, 0.005L, 0.25L, 10, kAll, nothing},
      {{4, 4, 4, 90, 90, 120.5L}, 2, 0.005L, 0.5L, 10, kAll, orthorhombic_family},
      {{5, 5, 5.25L, 70, 70, 70.5L}, 2, 0.25L, 0.5L, 10, kAll, mono_only},
      {{4, 4.0625L, 6, 90, 90, 90}, 2, 0.0625L, 0.3L, 10, tetra_only, tetra_only},
      // large tolerances reach far from the exact metric
      {{4, 4.2L, 4.4L, 88, 92, 91}, 2, 0.5L, 3, 10, kAll, kAll},
      {{4, 4.2L, 4.4L, 88, 92, 91}, 2, 0.5L, 15, 10, kAll, kAll},
      {{6, 6.1L, 6, 119, 91, 89}, 2, 0.2L, 2, 10, kAll, tetragonal_family},
      {{4, 4, 4, 90, 90, 90}, 2, 3, 45, 10, kAll, kAll},
      // 120 degrees give or take 40
      {{4, 4, 6, 90, 90, 120}, 2, 0.5L, 40, 10, hexa_only, hexa_only},
      {{4, 4.3L, 6, 80, 95, 100}, 2, 0.5L, 55, 10, hexa_only, hexa_only},
      // V/Vo exactly at and around the limit, and limits below 1
      {{4, 4, 4, 90, 90, 90}, 2, 0.005L, 0.3L, 1, kAll, mono_only},
      {{4, 4, 4, 90, 90, 90}, 2, 0.005L, 0.3L, 2, kAll, {S::cubic, S::rhombohedral, S::monoclinic}},
      {{4, 4, 4, 90, 90, 90}, 2, 0.005L, 0.3L, 3, kAll, kAll},
      {{4, 4, 4, 90, 90, 90}, 2, 0.005L, 0.3L, 0.5L, kAll, nothing},
      {{4, 4, 6, 90, 90, 120}, 2, 0.005L, 0.3L, 1.5L, kAll, hexa_only},
      {{3, 3 * r3, 5, 90, 90, 90}, 2, 0.005L, 0.3L, 0.5L, hexa_only, nothing},
      {{3, 3 * r3, 5, 90, 90, 90}, 2, 0.005L, 0.3L, 1, kAll, {S::hexagonal, S::monoclinic}},
      // narrowed targets, tolerances of zero or below
      {{4, 4, 4, 90, 90, 90}, 2, 0.005L, 0.3L, 10, mono_only, mono_only},
      {{4, 4, 4, 90, 90, 90}, 2, 0.005L, 0.3L, 10, cubic_rhomb, cubic_rhomb},
      {{4, 4, 4, 90, 90, 90}, 2, 0, 0.3L, 10, kAll, {S::orthorhombic, S::hexagonal, S::monoclinic}},
      {{4, 4, 4, 90, 90, 90}, 2, 0.005L, -1, 10, kAll, nothing},
      {{4, 4, 4, 90, 90, 90}, 2, 0.005L, 0.3L, 10, {}, nothing},
      // flat and needle cells, where the volume factor is small
      {{1, 1, 40, 90, 90, 90},
       3,
       0.005L,
       0.3L,
       10,
       kAll,
       {S::tetragonal, S::orthorhombic, S::rhombohedral, S::monoclinic}},
      {{0.5L, 30, 30, 90, 90, 90}, 2, 0.005L, 0.3L, 10, kAll, orthorhombic_family},
      {{5, 5, 5, 10, 10, 10}, 2, 0.005L, 0.3L, 10, kAll, hexagonal_family},
      {{5, 5, 5, 119, 119, 119}, 2, 0.005L, 0.3L, 10, kAll, hexagonal_family},
  };
  // The same systems at larger tables.
  for (int mv : {3, 4}) {
    cases.push_back({{4, 4, 4, 90, 90, 90}, mv, 0.005L, 0.3L, 10, kAll, kAll});
    cases.push_back({{3, 3, 5, 90, 90, 120}, mv, 0.005L, 0.3L, 6, kAll, hexagonal_family});
  }
  cases.push_back(
      {{2.8284L, 2.8284L, 2.8284L, 60, 60, 60}, 4, 0.005L, 0.3L, 10, cubic_only, cubic_only});
  cases.push_back(
      {{5.3L, 7.1L, 8.2L, 90, 104.5L, 90}, 3, 0.01L, 0.5L, 8, kAll, orthorhombic_family});
  return cases;
}

class EngineDifferentialEdge : public ::testing::TestWithParam<differential_case> {};

TEST_P(EngineDifferentialEdge, SameLinesAsThePlainLoop) {
  expect_same_results(GetParam());
}

void PrintTo(const differential_case& c, std::ostream* os) {
  *os << describe(c);
}

// Test names may hold letters, digits and underscores only.
std::string test_name(const ::testing::TestParamInfo<differential_case>& info) {
  std::string name = std::to_string(info.index) + "_" + describe(info.param);
  for (char& ch : name)
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(EdgeCells, EngineDifferentialEdge, ::testing::ValuesIn(edge_cases()),
                         test_name);

TEST(EngineDifferential, RandomCells) {
  std::mt19937 random(20261207);
  std::uniform_real_distribution<double> edge(2.0, 12.0), angle(60.0, 120.0), unit(0.0, 1.0);
  const long double tol_params[] = {0.005L, 0.02L, 0.1L, 0.5L};
  const long double tol_angles[] = {0.3L, 1.0L, 2.5L, 5.0L};
  const long double ratios[] = {1, 2, 3, 4, 10, 2.5L};
  const system_set masks[] = {kAll,
                              kAll,
                              kAll,
                              {S::cubic},
                              {S::hexagonal},
                              {S::rhombohedral},
                              {S::tetragonal, S::monoclinic},
                              {S::orthorhombic, S::hexagonal},
                              {S::cubic, S::tetragonal, S::rhombohedral}};
  int cases = 0;
  system_set found;
  for (int i = 0; i < 280; ++i) {
    differential_case c{};
    // A third of the cells get a metric near a system, so that something is found.
    const double kind = unit(random);
    const long double a = edge(random), b = edge(random), cc = edge(random);
    if (kind < 0.33) {
      c.cell = {a, kind < 0.1 ? a : b, kind < 0.2 ? cc : a, 90, kind < 0.25 ? 90 : angle(random),
                90};
    } else if (kind < 0.4) {
      c.cell = {a, a, cc, 90, 90, 120};
    } else if (kind < 0.45) {
      const long double al = angle(random);
      c.cell = {a, a, a, al, al, al};
    } else {
      c.cell = {a, b, cc, angle(random), angle(random), angle(random)};
    }
    if (mathhkl::cosine_closure(std::cos(c.cell[3] * mathhkl::kRadiansPerDegree),
                                std::cos(c.cell[4] * mathhkl::kRadiansPerDegree),
                                std::cos(c.cell[5] * mathhkl::kRadiansPerDegree)) < 0.05L) {
      continue;  // angles that do not close
    }
    c.max_vector = i % 40 == 0 ? 3 : 1 + i % 2;
    c.tol_param = tol_params[random() % 4];
    c.tol_angle = tol_angles[random() % 4];
    c.max_ratio = ratios[random() % 6];
    c.wanted = masks[random() % 9];
    found = found | expect_same_results(c);
    ++cases;
  }
  EXPECT_GE(cases + static_cast<int>(edge_cases().size()), 300);
  EXPECT_EQ(found, kAll) << "every system must be found somewhere";
}

// The targets changed in the middle of a search, around pairs inside the rows of pairs that
// need no work under the old targets, and at the very pairs where the new targets find a cell:
// the pairs from the change on, that one included, are tried for the new targets.
TEST(EngineDifferential, TargetsChangedDuringTheSearch) {
  const mathhkl::cell_params face_centred{2.8284L, 2.8284L, 2.8284L, 60, 60, 60};
  const system_set cubic{S::cubic}, hexagonal{S::hexagonal};
  struct change {
    long long at_pair;  // 62 vectors: 1891 pairs
    system_set before, after;
  };
  std::vector<change> changes;
  const change spread[] = {{2, cubic, kAll},        {300, cubic, kAll},      {900, kAll, cubic},
                           {900, cubic, hexagonal}, {1500, hexagonal, kAll}, {1700, {}, kAll}};
  for (const change& ch : spread)
    for (const long long next_to : {-1, 0, 1})
      changes.push_back({ch.at_pair + next_to, ch.before, ch.after});
  const std::vector<long long> kept_at =
      run_engine(run_reference_search, {face_centred, 2, 0.005L, 0.3L, 10, kAll})
          .host.found_at_pair;
  ASSERT_GE(kept_at.size(), 3u);
  for (const long long at : {kept_at.front(), kept_at[kept_at.size() / 2], kept_at.back()})
    changes.push_back({at, cubic, kAll});
  for (const change& ch : changes) {
    differential_case c{face_centred, 2, 0.005L, 0.3L, 10, ch.before, {}, ch.at_pair, ch.after};
    SCOPED_TRACE("change at pair " + std::to_string(ch.at_pair) + " to " + system_codes(ch.after));
    const engine_run changed = expect_same_run(c).reference;
    c.change_at_pair = 0;
    const engine_run unchanged = run_engine(run_reference_search, c);
    EXPECT_NE(changed.host.lines, unchanged.host.lines) << "the change has no effect";
  }
}

// A cell whose angle beyond 180 degrees still closes: flat triples make the volume factor
// negative, and the search ends with the arithmetic's failure at the same triple in both.
TEST(EngineDifferential, AFailureOfTheArithmeticEndsBothAtTheSameTriple) {
  const engine_run run =
      expect_same_run({{600000, 9, 49, 90, 910, 90}, 3, 0.005L, 0.3L, 10, kAll}).reference;
  EXPECT_EQ(run.failure, "Invalid floating point operation");
}

// V/Vo of a flat cell strays from |det T| by more than rounding: a limit between the two keeps
// the cell, which the determinant alone would have refused.
TEST(EngineDifferential, AVolumeLimitJustBelowTheDeterminantKeepsTheCell) {
  const differential_case flat_cells[] = {
      {{1, 1, 40, 90, 90, 90}, 3, 0.005L, 0.3L, 50, kAll},
      {{0.5L, 30, 30, 90, 90, 90}, 3, 0.005L, 0.3L, 50, kAll},
      {{5, 5, 5, 10, 10, 10}, 3, 0.005L, 0.3L, 50, kAll},
      {{5, 5, 5, 119, 119, 119}, 3, 0.005L, 0.3L, 50, kAll},
      {{2, 2, 60, 90, 90, 120}, 3, 0.005L, 0.3L, 50, kAll},
  };
  int tried = 0;
  for (const differential_case& flat : flat_cells) {
    for (const found_cell& cell : run_engine(run_reference_search, flat).host.cells) {
      const long double ratio = cell.ratio;
      const long double det = std::round(ratio);
      // Flat enough to stray, not so flat that the determinant is not used as a bound; and
      // without a right gamma, whose pairs allow for the orthohexagonal conversion instead.
      const long double flatness = cell.a * cell.b * cell.c / cell.volume;
      if (det < 1 || ratio >= det * (1 - 1e-11L) || flatness > 3000) continue;
      if (std::fabs(cell.gamma - 90.0L) < 1) continue;
      differential_case limited = flat;
      limited.max_ratio = (ratio + det) / 2;
      limited.wanted = {cell.system};
      const engine_run run = expect_same_run(limited).reference;
      EXPECT_NE(std::find(run.host.lines.begin(), run.host.lines.end(), raw_found_line(cell)),
                run.host.lines.end());
      if (++tried == 3) return;
    }
  }
  FAIL() << "no cell with V/Vo just below its determinant";
}

}  // namespace
}  // namespace quarvel
