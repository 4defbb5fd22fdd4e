// The checker itself: the other tests' JSON verdicts are worth only what it rejects.
#include "json_check.hpp"

#include <gtest/gtest.h>

namespace quarvel::testing {
namespace {

TEST(JsonCheck, AcceptsValidText) {
  for (const char* text : {
           R"({"a":[1,-2.5,3e10,0.25E-3],"b":{"c":"x\"\\\/\n\u00e9"},"d":[true,false,null]})",
           " [ ] ",
           "{}",
           "0",
           "\"\"",
           "[[[[1]]]]",
       }) {
    SCOPED_TRACE(text);
    EXPECT_EQ(check_json(text).problem, "");
  }
}

TEST(JsonCheck, RejectsWhatTheGrammarForbids) {
  for (const char* text : {
           "",
           "{\"a\":1,}",
           "[1,]",
           "{\"a\" 1}",
           "{a:1}",
           "[01]",
           "[1.]",
           "[.5]",
           "[1e]",
           "[+1]",
           "[nan]",
           "[inf]",
           "[-]",
           "[\"\\x\"]",
           "[\"\\u12g4\"]",
           "[\"tab\there\"]",
           "[\"open]",
           "{\"a\":1}{}",
           "{\"a\":1} x",
           "[1 2]",
           "tru",
           "{\"a\":1,\"a\":2}",
       }) {
    SCOPED_TRACE(text);
    EXPECT_NE(check_json(text).problem, "");
  }
}

TEST(JsonCheck, RejectsGarbageBytesInANumber) {
  const std::string text = std::string("{\"volume\":P\x01\xff") + "}";
  EXPECT_NE(check_json(text).problem, "");
}

TEST(JsonCheck, ListsTheTopLevelKeysInOrder) {
  const json_check r = check_json(R"({"input":{"x":1},"reduced":[],"delta_limit":3})");
  EXPECT_EQ(r.problem, "");
  EXPECT_EQ(r.top_level_keys, (std::vector<std::string>{"input", "reduced", "delta_limit"}));
}

TEST(JsonCheck, BoundsTheNestingOfHostileText) {
  EXPECT_NE(check_json(std::string(100000, '[')).problem, "");
}

}  // namespace
}  // namespace quarvel::testing
