// The three recognisers, including their differences and the strict tolerance tests.
#include "mathhkl/recognition.hpp"

#include <gtest/gtest.h>

namespace mathhkl {
namespace {

constexpr const char* kUnchanged = "(prev)";

struct recognition_case {
  cell_params cell;
  long double tol_param, tol_angle;
  const char* cell_code;  // recognise_cell_system
  const char* sum_code;   // recognise_sum_system
  const char* candidate;  // classify_cell, "" for triclinic
  crystal_system candidate_system;
};

TEST(Recognition, TableOfCasesForAllThreeRoutines) {
  using S = crystal_system;
  const recognition_case cases[] = {
      {{4, 4, 4, 90, 90, 90}, 0.005L, 0.3L, "CUBI", "CUBI", "CUBI", S::cubic},
      {{4, 4, 6, 90, 90, 90}, 0.005L, 0.3L, "TETR", "TETR", "TETR", S::tetragonal},
      {{4, 5, 6, 90, 90, 90}, 0.005L, 0.3L, "ORTH", "ORTH", "ORTH", S::orthorhombic},
      {{4, 4, 6, 90, 90, 120}, 0.005L, 0.3L, "HEXA", "TRIC", "HEXA", S::hexagonal},
      {{4, 4, 4, 90, 90, 120}, 0.005L, 0.3L, "HEXA", "HEXA", "HEXA", S::hexagonal},
      {{5, 5, 5, 80, 80, 80}, 0.005L, 0.3L, "RHOM", "RHOM", "RHOM", S::rhombohedral},
      {{4, 5, 6, 90, 100, 90}, 0.005L, 0.3L, "MONO", "MONO", "MONO", S::monoclinic},
      {{4, 5, 6, 80, 85, 95}, 0.005L, 0.3L, "TRIC", "TRIC", "", S::triclinic},
      {{4, 6, 6, 90, 90, 90}, 0.005L, 0.3L, kUnchanged, kUnchanged, "", S::triclinic},   // b = c
      {{4, 6, 4, 90, 90, 90}, 0.005L, 0.3L, "ORTH", "TETR", "ORTH", S::orthorhombic},    // a = c
      {{4, 4.5L, 6, 90, 90, 90}, 0.5L, 0.3L, kUnchanged, kUnchanged, "", S::triclinic},  // dab =
                                                                                         // tol
      {{4, 5, 6, 90.25L, 100, 90}, 0.005L, 0.25L, "TRIC", "TRIC", "", S::triclinic},  // |alpha-90|
                                                                                      // = tol
      {{4, 5, 6, 90, 90.2L, 90}, 0.005L, 0.3L, "ORTH", "ORTH", "ORTH", S::orthorhombic},
      {{4, 4, 4, 90, 90, 90}, 0.0L, 0.3L, kUnchanged, kUnchanged, "", S::triclinic},  // zero
                                                                                      // tolerance
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << c.cell[0].value() << " " << c.cell[1].value() << " " << c.cell[2].value() << " "
                 << c.cell[3].value() << " " << c.cell[4].value() << " " << c.cell[5].value());
    cell_state s;
    s.tol_param = c.tol_param;
    s.tol_angle = c.tol_angle;
    s.cell = c.cell;
    s.system_code = kUnchanged;
    recognise_cell_system(s);
    EXPECT_EQ(s.system_code, c.cell_code);

    s.system_code = kUnchanged;
    cell_params values = c.cell;
    recognise_sum_system(values, s);
    EXPECT_EQ(s.system_code, c.sum_code);

    const auto r = classify_cell(c.cell[0], c.cell[1], c.cell[2], c.cell[3], c.cell[4], c.cell[5],
                                 {s.tol_param, s.tol_angle});
    EXPECT_EQ(r.candidate_code, c.candidate);
    EXPECT_EQ(r.system, c.candidate_system);
  }
}

TEST(Recognition, SummaryCellWithEqualAAndCPutsTheEqualEdgesFirst) {
  cell_state s;
  s.tol_param = 0.005L;
  s.tol_angle = 0.3L;
  cell_params values{4, 6, 4, 90, 90, 90};
  recognise_sum_system(values, s);
  EXPECT_EQ(values, (cell_params{4, 4, 6, 90, 90, 90}));
}

}  // namespace
}  // namespace mathhkl
