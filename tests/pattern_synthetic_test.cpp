// Patterns made from known cells of every Bravais type (no space-group absences, 0.005–0.02°
// noise, impurity lines): the true type ranks first by M among its lattice's entries, its
// supercells show no superstructure line, and refinement finds the true cell within 3 esd.
#include "pattern_synthetic.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "lattice/metric.hpp"
#include "pattern/evidence.hpp"

namespace quarvel::testing {
namespace {

using lattice::bravais_type;
using lattice::centring;

struct known_cell {
  bravais_type type;
  centring centred;
  lattice::cell cell;  // in the analysis's own conventional setting
};

// Generic metrics, away from any higher symmetry within the default δ.
const known_cell kCells[] = {
    {bravais_type::cP, centring::P, {5.1, 5.1, 5.1, 90, 90, 90}},
    {bravais_type::cI, centring::I, {4.3, 4.3, 4.3, 90, 90, 90}},
    {bravais_type::cF, centring::F, {5.6, 5.6, 5.6, 90, 90, 90}},
    {bravais_type::tP, centring::P, {4.2, 4.2, 6.1, 90, 90, 90}},
    {bravais_type::tI, centring::I, {3.9, 3.9, 9.7, 90, 90, 90}},
    {bravais_type::hP, centring::P, {3.2, 3.2, 5.2, 90, 90, 120}},
    {bravais_type::hR, centring::R, {5.0, 5.0, 13.0, 90, 90, 120}},
    {bravais_type::oP, centring::P, {4.1, 5.3, 6.7, 90, 90, 90}},
    {bravais_type::oC, centring::C, {4.3, 7.1, 5.6, 90, 90, 90}},
    {bravais_type::oI, centring::I, {3.9, 5.1, 6.8, 90, 90, 90}},
    {bravais_type::oF, centring::F, {5.2, 6.4, 7.9, 90, 90, 90}},
    {bravais_type::mP, centring::P, {4.5, 5.8, 6.9, 90, 103, 90}},
    {bravais_type::mC, centring::C, {8.2, 5.3, 6.4, 90, 107, 90}},
    {bravais_type::aP, centring::P, {4.3, 5.1, 6.2, 82, 97, 104}},
};

// As an indexing program would give it: every parameter off by a few parts in 10⁵.
lattice::cell as_indexed(const lattice::cell& c, std::mt19937& random) {
  std::uniform_real_distribution<double> off(-1, 1);
  return {c.a * (1 + 4e-5 * off(random)), c.b * (1 + 4e-5 * off(random)),
          c.c * (1 + 4e-5 * off(random)), c.alpha + 0.003 * off(random),
          c.beta + 0.003 * off(random),   c.gamma + 0.003 * off(random)};
}

struct synthetic_case {
  std::vector<pattern::observed_line> lines;
  int impurities = 0;
  lattice::analysis analysis;
  std::vector<pattern::cell_evidence> evidence;
};

synthetic_case make_case(const known_cell& k, unsigned seed, bool refine, int max_index) {
  std::mt19937 random(seed);
  const std::vector<synthetic_line> lines = true_lines(k.cell, k.centred, 130);
  synthetic_case out;
  out.lines = noisy_lines(lines, 28, 0.1, random);
  // Impurity lines where neither the cell nor a cell twice its volume has a line (a supercell
  // that indexes an impurity rightly counts it as a superstructure line).
  const lattice::cell doubled{2 * k.cell.a, 2 * k.cell.b, 2 * k.cell.c,
                              k.cell.alpha, k.cell.beta,  k.cell.gamma};
  const std::vector<synthetic_line> dense = true_lines(doubled, centring::P, 130);
  std::uniform_real_distribution<double> where(20, 80);
  for (int tries = 0; out.impurities < 2 && tries < 10000; ++tries) {
    const double t = where(random);
    if (clear_of(lines, t, 0.1) && clear_of(dense, t, 0.1)) {
      add_line(out.lines, t);
      ++out.impurities;
    }
  }
  lattice::analysis_options options;
  options.centring_type = k.centred;
  options.max_index = max_index;
  out.analysis = lattice::analyse(as_indexed(k.cell, random), options);
  pattern::evidence_options evidence;
  evidence.refine = refine;
  out.evidence = pattern::weigh_analysis(out.analysis, out.lines, evidence);
  return out;
}

std::size_t true_entry(const synthetic_case& c, bravais_type t) {
  for (std::size_t i = 0; i < c.analysis.lattices.size(); ++i)
    if (c.analysis.lattices[i].index == 1 && c.analysis.lattices[i].bravais == t) return i;
  ADD_FAILURE() << "no entry of the true type";
  return 0;
}

TEST(PatternSynthetic, TheTrueTypeRanksFirstByMAmongItsLatticesEntries) {
  for (const known_cell& k : kCells) {
    for (unsigned seed : {1u, 2u, 3u}) {
      SCOPED_TRACE(std::string(lattice::bravais_name(k.type)) + " seed " + std::to_string(seed));
      const synthetic_case c = make_case(k, seed, false, 1);
      ASSERT_GE(c.lines.size(), 12u);
      std::vector<pattern::cell_evidence> own;
      std::vector<double> deltas;
      std::vector<bravais_type> types;
      for (std::size_t i = 0; i < c.analysis.lattices.size(); ++i) {
        if (c.analysis.lattices[i].index != 1) continue;
        own.push_back(c.evidence[i]);
        deltas.push_back(c.analysis.lattices[i].delta);
        types.push_back(c.analysis.lattices[i].bravais);
      }
      const std::vector<std::size_t> order = pattern::ranked(own, deltas, pattern::sort_key::m);
      EXPECT_EQ(types[order.front()], k.type)
          << "first: " << lattice::bravais_name(types[order.front()]) << " M "
          << own[order.front()].lines.figures.m << " N_calc "
          << own[order.front()].lines.figures.calculated_count << ", true M "
          << c.evidence[true_entry(c, k.type)].lines.figures.m << " N_calc "
          << c.evidence[true_entry(c, k.type)].lines.figures.calculated_count;
      const pattern::figures_of_merit& f = c.evidence[true_entry(c, k.type)].lines.figures;
      EXPECT_EQ(f.unindexed, c.impurities);
      EXPECT_GT(f.m, 10);
    }
  }
}

TEST(PatternSynthetic, SupercellsOfAPatternWithoutSuperstructureShowNoSuperstructureLine) {
  int superlattices = 0;
  for (const known_cell& k : kCells) {
    SCOPED_TRACE(lattice::bravais_name(k.type));
    const synthetic_case c = make_case(k, 7, false, 2);
    for (std::size_t i = 0; i < c.analysis.lattices.size(); ++i) {
      const lattice::lattice_entry& e = c.analysis.lattices[i];
      if (e.relation.kind != lattice::relation_kind::superlattice) {
        EXPECT_EQ(c.evidence[i].lines.superstructure_lines, 0);
        continue;
      }
      ++superlattices;
      EXPECT_EQ(c.evidence[i].lines.superstructure_lines, 0)
          << lattice::bravais_name(e.bravais) << " " << lattice::change_of_basis_text(e.matrix);
    }
  }
  EXPECT_GT(superlattices, 0);  // the table holds some, or the test shows nothing
}

// The true cell in the entry's setting: its metric carried by the entry's change of basis.
lattice::cell in_setting(const lattice::cell& truth, const lattice::lattice_entry& e) {
  return lattice::cell_of(lattice::transformed(lattice::metric_of(truth), e.matrix.to_real()));
}

TEST(PatternSynthetic, RefinementRecoversTheTrueCellWithinThreeEsd) {
  for (const known_cell& k : kCells) {
    for (unsigned seed : {11u, 12u}) {
      SCOPED_TRACE(std::string(lattice::bravais_name(k.type)) + " seed " + std::to_string(seed));
      const synthetic_case c = make_case(k, seed, true, 1);
      const std::size_t i = true_entry(c, k.type);
      const pattern::cell_evidence& e = c.evidence[i];
      ASSERT_TRUE(e.refined.has_value());
      EXPECT_EQ(e.refined->lines_used, static_cast<int>(c.lines.size()) - c.impurities);
      const std::array<double, 6> truth = in_setting(k.cell, c.analysis.lattices[i]).parameters();
      const std::array<double, 6> refined = e.refined->cell.parameters();
      for (int p = 0; p < 6; ++p) {
        if (e.refined->esd[p] == 0) {
          EXPECT_NEAR(refined[p], truth[p], 1e-9) << "parameter " << p;
          continue;
        }
        EXPECT_LE(std::abs(refined[p] - truth[p]), 3 * e.refined->esd[p])
            << "parameter " << p << ": " << refined[p] << " (" << e.refined->esd[p] << ") against "
            << truth[p];
        EXPECT_LT(e.refined->esd[p], p < 3 ? 0.01 : 0.05);  // Å, degrees
      }
      EXPECT_GE(e.refined_lines->figures.m, e.lines.figures.m * 0.5);
    }
  }
}

}  // namespace
}  // namespace quarvel::testing
