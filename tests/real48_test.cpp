// The six-byte real: layout, rounding on store, range.
#include "mathhkl/real48.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace mathhkl {
namespace {

struct layout_case {
  long double value;
  real48_bytes bytes;
};

TEST(Real48, LayoutOfKnownValues) {
  const layout_case cases[] = {
      {0.0L, {0, 0, 0, 0, 0, 0}},
      {1.0L, {129, 0, 0, 0, 0, 0}},
      {-1.0L, {129, 0, 0, 0, 0, 0x80}},
      {0.5L, {128, 0, 0, 0, 0, 0}},
      {3.0L, {130, 0, 0, 0, 0, 0x40}},
      {std::ldexp(1.0L, -128), {1, 0, 0, 0, 0, 0}},  // smallest magnitude
      {std::ldexp(2.0L - std::ldexp(1.0L, -39), 126), {255, 0xff, 0xff, 0xff, 0xff, 0x7f}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.value));
    const real48 r(c.value);
    EXPECT_EQ(r.to_bytes(), c.bytes);
    EXPECT_EQ(real48::from_bytes(c.bytes).value(), c.value);
  }
}

TEST(Real48, RoundsToFortyBitsHalvesAwayFromZero) {
  const long double one = 1.0L;
  const long double ulp = std::ldexp(1.0L, -39);
  const long double half = std::ldexp(1.0L, -40);
  const struct {
    long double in, out;
  } cases[] = {
      {one + half, one + ulp},  // exact half: away from zero
      {-(one + half), -(one + ulp)},
      {one + half - std::ldexp(1.0L, -60), one},  // just below half: down
      {one + 2 * ulp + half, one + 3 * ulp},      // not to even: away
      {2.0L - std::ldexp(1.0L, -41), 2.0L},       // carry into the exponent
      {std::ldexp(1.0L, -129), 0.0L},             // too small: zero
      {-std::ldexp(1.5L, -130), 0.0L},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(round48(c.in), c.out) << static_cast<double>(c.in);
  }
}

TEST(Real48, StoredDecimalsReadBackToTwelveDigits) {
  for (long double x : {0.005L, 0.3L, 5.431L, 57.2957L, 1e-30L, 1e30L}) {
    char text[64];
    std::snprintf(text, sizeof text, "%.12Lg", real48(x).value());
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.12Lg", x);
    EXPECT_STREQ(text, expected);
  }
  EXPECT_NE(real48(0.005L).value(), 0.005L);  // but it is not the extended value
}

TEST(Real48, TooLargeOverflows) {
  for (long double x : {1e39L, -1e39L, std::ldexp(1.0L, 127), HUGE_VALL}) {
    try {
      real48 r(x);
      ADD_FAILURE() << "stored " << static_cast<double>(r.value());
    } catch (const platform::error& e) {
      EXPECT_STREQ(e.what(), "Floating point overflow");
    }
  }
  EXPECT_THROW(real48(std::nanl("")), platform::error);
  EXPECT_NO_THROW(real48(1.7e38L));
}

}  // namespace
}  // namespace mathhkl
