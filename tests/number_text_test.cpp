// Number text rules: conversion, repair, splitting and fixed-point output, byte for byte.
#include "mathhkl/number_text.hpp"

#include <gtest/gtest.h>

#include <clocale>

namespace mathhkl {
namespace {

TEST(ParseReal, AcceptedFormsAndErrorPositions) {
  const struct {
    const char* text;
    long double value;
    int code;
  } cases[] = {
      {"  12.5", 12.5L, 0},   {"12.5 ", 125.0L, 5}, {"1e3", 1000.0L, 0}, {"1,5", 1.0L, 2},
      {"+.5", 0.5L, 0},       {".", 0.0L, 0},       {"5.", 5.0L, 0},     {"-2.25E-1", -0.225L, 0},
      {"", 0.0L, 1},          {"-", 0.0L, 2},       {"   ", 0.0L, 4},    {"12.5x", 125.0L, 5},
      {"\t1", 0.0L, 1},       {"1e", 1.0L, 3},      {"1e+x", 1.0L, 4},   {"abc", 0.0L, 1},
      {"-0.001", -0.001L, 0}, {"1 2", 1.0L, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const parse_result r = parse_real(c.text);
    EXPECT_EQ(r.code, c.code);
    EXPECT_EQ(r.value, c.value);
  }
}

TEST(RepairNumber, FirstOccurrenceOfEachSlip) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"", "0"},      {"-.25", "-0.25"}, {"7.", "7.0"},  {" .5", "0.5"}, {"1. 5", "1.05"},
      {"abc", "abc"}, {"2. ", "2.0"},    {"   ", "   "}, {"5.", "5.0"},  {".5", ".5"},
  };
  for (const auto& c : cases) {
    std::string text = c.in;
    repair_number(text);
    EXPECT_EQ(text, c.out) << "from '" << c.in << "'";
  }
}

TEST(SplitNumbers, ItemsCountsAndLastCode) {
  const struct {
    const char* line;
    int count;
    int code;
    std::vector<long double> values;
  } cases[] = {
      {"1,2,,3", 3, 0, {1, 2, 3}},
      {"  4.5  6 ", 2, 0, {4.5L, 6}},
      {"1 2 3 4 5 6 7 8 9 10 11 12 13", 11, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
      {"1x 2 3", 3, 0, {1, 2, 3}},
      {"1 2 3x", 3, 2, {1, 2, 3}},
      {"1\t2", 1, 2, {1}},  // one item; its partial value is the 1
      {"\r\n 7.5\r\n", 1, 0, {7.5L}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    number_slots values{};
    int count = -1;
    int code = -1;
    split_numbers(c.line, values, count, code);
    EXPECT_EQ(count, c.count);
    EXPECT_EQ(code, c.code);
    for (size_t i = 0; i < c.values.size(); ++i) EXPECT_EQ(values[i], real48(c.values[i])) << i;
  }
}

TEST(SplitNumbers, EmptyLineLeavesValuesAndCodeUntouched) {
  for (const char* line : {"", "   ", "\t\r\n"}) {
    number_slots values{};
    values[0] = 42.0L;
    int count = -1;
    int code = 7;
    split_numbers(line, values, count, code);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(code, 7);
    EXPECT_EQ(values[0], 42.0L);
  }
}

TEST(FormatFixed, RoundsTheExpansionHalfUp) {
  const struct {
    long double x;
    int width, decimals;
    const char* text;
  } cases[] = {
      {real48(2.675L), 0, 2, "2.67"},  // stored as 2.6749999999993
      {0.125L, 0, 2, "0.13"},
      {-0.001L, 0, 2, "-0.00"},
      {3.14159L, 9, 4, "   3.1416"},
      {3.14159L, 6, 3, " 3.142"},
      {-0.5L, 6, 2, " -0.50"},
      {123456.7L, 5, 1, "123456.7"},  // never cut
      {real48(5.431L), 8, 4, "  5.4310"},
      {90.0L, 8, 2, "   90.00"},
      {9999.97L, 8, 1, " 10000.0"},
      {12345.67L, 9, 0, "    12346"},
      {0.0L, 5, 2, " 0.00"},
      {-1.0L, 5, 2, "-1.00"},
      {99.996L, 0, 2, "100.00"},
      {real48(1e15L), 0, 1, "1000000000000000.0"},
      {real48(1234.5678L), 0, 3, "1234.568"},
      {real48(0.005L), 0, 3, "0.005"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(format_fixed(c.x, c.width, c.decimals), c.text)
        << static_cast<double>(c.x) << ":" << c.width << ":" << c.decimals;
  }
}

TEST(FormatFixed, IgnoresTheProcessLocale) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  std::string saved = previous ? previous : "C";
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr &&
      std::setlocale(LC_ALL, "fr_FR.UTF-8") == nullptr) {
    GTEST_SKIP() << "no locale with a decimal comma installed";
  }
  EXPECT_EQ(format_fixed(3.14159L, 0, 2), "3.14");
  EXPECT_EQ(parse_real("2.5").value, 2.5L);
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(FormatInt, PadsNeverCuts) {
  EXPECT_EQ(format_int(7, 3), "  7");
  EXPECT_EQ(format_int(-12, 4), " -12");
  EXPECT_EQ(format_int(12345, 4), "12345");
}

TEST(ParseInteger, PlatformConversion) {
  EXPECT_EQ(parse_integer("3"), 3);
  EXPECT_EQ(parse_integer(" -12"), -12);
  EXPECT_EQ(parse_integer("$1F"), 31);
  for (const char* bad : {"3.5", "", "3 ", "x", "99999999999"}) {
    try {
      parse_integer(bad);
      ADD_FAILURE() << bad;
    } catch (const platform::error& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(bad) + "' is not a valid integer value");
    }
  }
}

}  // namespace
}  // namespace mathhkl
