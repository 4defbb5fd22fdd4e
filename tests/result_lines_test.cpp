// Result lines to the character, and the duplicate rule on printed values.
#include "main/result_lines.hpp"

#include <gtest/gtest.h>

#include "mathhkl/crystal_systems.hpp"

namespace quarvel {
namespace {

using mathhkl::crystal_system;

std::string dotted(std::string s) {
  for (char& c : s)
    if (c == ' ') c = '.';
  return s;
}

found_cell cell_of(crystal_system system, long double a, long double b, long double c,
                   long double volume, long double ratio) {
  found_cell f{};
  f.system = system;
  f.code = mathhkl::info_of(system).code;
  f.a = a;
  f.b = b;
  f.c = c;
  f.alpha = f.beta = f.gamma = 90.0L;
  f.volume = volume;
  f.ratio = ratio;
  for (int i = 0; i < 3; ++i) f.matrix[i][i] = 1.0L;
  return f;
}

TEST(ResultLines, LayoutsToTheCharacter) {
  const found_cell orth =
      cell_of(crystal_system::orthorhombic, 5.431L, 7.123L, 9.877L, 382.1L, 1.0L);
  const std::string raw = raw_found_line(orth);
  EXPECT_EQ(raw.size(), 115u);
  EXPECT_EQ(dotted(final_found_line(raw, 7, 1)),
            "ORTH..5.431..7.123..9.877..90.00..90.00..90.00...382.1..1.00..(.1.00.0.00.0.00),"
            "(.0.00.1.00.0.00),(.0.00.0.00.1.00)..7....1");
  EXPECT_EQ(dotted(final_found_line(raw, 0, 12)).substr(115), "......12");

  const mathhkl::cell_params start{5.431L, 7.123L, 9.877L, 90, 90, 90};
  EXPECT_EQ(dotted(initial_cell_line("ORTH", start, 382.1L)),
            "ORTH..5.431..7.123..9.877..90.00..90.00..90.00....382.1");
  EXPECT_EQ(initial_cell_line("ORTH", start, 12345.67L).substr(46), "    12346");
}

TEST(ResultLines, VolumeFormatIsChosenOnTheUnroundedValue) {
  const std::string line =
      raw_found_line(cell_of(crystal_system::cubic, 21.544L, 21.544L, 21.544L, 9999.97L, 1));
  EXPECT_EQ(line.substr(46, 8), " 10000.0");
  EXPECT_EQ(raw_found_line(cell_of(crystal_system::cubic, 22, 22, 22, 10648.0L, 1)).substr(46, 8),
            "   10648");
  // A long edge fills its field and touches the one before it.
  EXPECT_EQ(raw_found_line(cell_of(crystal_system::orthorhombic, 123.456L, 5, 6, 3703.7L, 1))
                .substr(0, 11),
            "ORTH123.456");
  // A negative matrix element leaves no blank before it.
  found_cell flipped = cell_of(crystal_system::tetragonal, 4, 4, 6, 96, 1);
  flipped.matrix[1][1] = -1.0L;
  EXPECT_NE(raw_found_line(flipped).find("( 0.00-1.00 0.00)"), std::string::npos);
}

TEST(ResultLines, DuplicatesComparePrintedValues) {
  const struct {
    long double a_j;
    bool duplicate;
  } cases[] = {{5.435L, true}, {5.437L, false}, {5.427L, true}};
  for (const auto& c : cases) {
    const std::vector<std::string> lines{
        raw_found_line(cell_of(crystal_system::orthorhombic, 5.431L, 7, 9, 352.9L, 1)),
        raw_found_line(cell_of(crystal_system::monoclinic, c.a_j, 7, 9, 353.0L, 2))};
    const auto kept = keep_after_duplicates(lines, {0.005L, 0.3L});
    EXPECT_EQ(kept, (std::vector<bool>{true, !c.duplicate})) << static_cast<double>(c.a_j);
  }
}

TEST(ResultLines, ADifferenceEqualToItsToleranceIsNoDuplicate) {
  // Every printed value and tolerance here is exact in binary.
  auto line = [](long double a, long double gamma) {
    found_cell f = cell_of(crystal_system::monoclinic, a, 7, 9, 315, 1);
    f.gamma = gamma;
    return raw_found_line(f);
  };
  const struct {
    std::string second;
    bool duplicate;
  } cases[] = {
      {line(5.5L, 90), false},  // a differs by the length tolerance
      {line(5.25L, 90), true},  // by less
      {line(5, 90.5L), false},  // gamma differs by the angle tolerance
      {line(5, 90.25L), true},  // by less
  };
  for (const auto& c : cases) {
    EXPECT_EQ(keep_after_duplicates({line(5, 90), c.second}, {0.5L, 0.5L}),
              (std::vector<bool>{true, !c.duplicate}))
        << c.second;
  }
}

TEST(ResultLines, ADroppedCellDoesNotDropOthers) {
  // A matches B, B matches C, A does not match C: A and C stay.
  const std::vector<std::string> lines{
      raw_found_line(cell_of(crystal_system::orthorhombic, 5.000L, 7, 9, 315, 1)),
      raw_found_line(cell_of(crystal_system::orthorhombic, 5.004L, 7, 9, 315, 1)),
      raw_found_line(cell_of(crystal_system::orthorhombic, 5.008L, 7, 9, 315, 1))};
  EXPECT_EQ(keep_after_duplicates(lines, {0.005L, 0.3L}), (std::vector<bool>{true, false, true}));
}

}  // namespace
}  // namespace quarvel
