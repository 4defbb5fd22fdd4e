// The summary readers on files written here: which files are copied, what a copy keeps, and
// the list file byte for byte.
#include "mathhkl/sum_file.hpp"

#include <gtest/gtest.h>

#include "platform/error.hpp"
#include "summary_sample.hpp"
#include "temp_folder.hpp"

namespace quarvel::testing {
namespace {

using mathhkl::normalise_line_ends;

class SumFile : public ::testing::Test {
 protected:
  SumFile() {
    state.tol_param = 0.005L;  // the window's defaults, which decide the b/c exchange
    state.tol_angle = 0.3L;
  }
  temp_folder folder;
  mathhkl::cell_state state;
};

TEST_F(SumFile, TheFirstLineEndWithinThreeHundredBytesDecidesTheCopy) {
  const struct {
    const char* name;
    std::string bytes;
    bool copied;
  } cases[] = {
      {"298 characters, CR LF", std::string(298, 'x') + "\r\nnext\r\n", false},
      {"299 characters: the 300th byte is the CR", std::string(299, 'x') + "\r\nnext\r\n", false},
      {"300 characters: the 300th byte is not CR", std::string(300, 'x') + "\r\nnext\r\n", true},
      {"LF alone", "first\nnext\n", true},
      {"LF first", "\nnext\n", true},
      {"a lone CR first: only the byte before the first LF counts", "first\rnext\r\n", false},
      {"no LF in 300 bytes", std::string(400, 'x'), true},
      {"CR alone ends every line: the copy would keep nothing", std::string(300, 'x') + "\rnext\r",
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(folder.path() / "dummy.tmp");
    const std::string summary = folder.write("cells.sum", c.bytes);
    EXPECT_EQ(normalise_line_ends(summary, ""), c.copied);
    EXPECT_EQ(folder.holds("dummy.tmp"), c.copied);
  }
}

TEST_F(SumFile, CopyDropsEveryCrCutsLongLinesAndLosesAnUnendedLastLine) {
  const std::string summary =
      folder.write("cells.sum", std::string(300, 'a') + "\nb\rc\r\n\nlast line without LF");
  ASSERT_TRUE(normalise_line_ends(summary, ""));
  EXPECT_EQ(folder.read("dummy.tmp"), std::string(250, 'a') + "\r\nbc\r\n\r\n");
}

TEST_F(SumFile, ShortFileWithoutLfFailsInTheProbe) {
  for (const std::string bytes : {"", "299 bytes or fewer and no line feed\r"}) {
    const std::string summary = folder.write("cells.sum", bytes);
    try {
      normalise_line_ends(summary, "");
      ADD_FAILURE() << "no failure for '" << bytes << "'";
    } catch (const platform::error& e) {
      EXPECT_STREQ(e.what(), "Read beyond end of file");
    }
  }
}

TEST_F(SumFile, ListFileHoldsHeaderAndFixedWidthLinesOfTheCellLinesOnly) {
  read_sum_file(folder.write("cells.sum", joined(kSampleSummary, "\r\n")), state);
  EXPECT_EQ(folder.read("sumfil.tmp"), joined(kSampleList, "\r\n"));
  EXPECT_EQ(kSampleList[0].size(), 71u);
  for (size_t i = 1; i < kSampleList.size(); ++i) EXPECT_EQ(kSampleList[i].size(), 72u);
}

TEST_F(SumFile, EndMarkAndUnendedLastLineOfAFileReadInPlace) {
  std::vector<std::string> before_mark(kSampleSummary.begin(), kSampleSummary.begin() + 4);
  const std::string bytes = joined(before_mark, "\r\n") + kSampleSummary.back() + "\x1a" + "\r\n" +
                            kSampleSummary[4] + "\r\n";
  read_sum_file(folder.write("cells.sum", bytes), state);
  // The line before the mark has no line end but still counts; the one after it is gone.
  const std::vector<std::string> expected{kSampleList[0], kSampleList[1],
                                          "   2" + kSampleList[3].substr(4)};
  EXPECT_EQ(folder.read("sumfil.tmp"), joined(expected, "\r\n"));
}

TEST_F(SumFile, CellWhoseAnglesDoNotCloseStopsTheImport) {
  const std::string summary = folder.write(
      "cells.sum", summary_line(" 1  1.0", "1.00", "4.0 5.0 6.0 10.0 10.0 150.0") + "\r\n");
  EXPECT_THROW(read_sum_file(summary, state), platform::error);
}

TEST_F(SumFile, WorkingFilesGoToTheWorkingFolder) {
  std::filesystem::create_directory(folder.path() / "work");
  state.sum_dir = (folder.path() / "work").string();
  const std::string summary = folder.write("cells.sum", joined(kSampleSummary, "\n"));
  ASSERT_TRUE(normalise_line_ends(summary, state.sum_dir));
  read_sum_file(mathhkl::working_file(state.sum_dir, mathhkl::kWorkingCopyName), state);
  EXPECT_EQ(folder.read("work/sumfil.tmp"), joined(kSampleList, "\r\n"));
  EXPECT_FALSE(folder.holds("sumfil.tmp"));
  EXPECT_EQ(mathhkl::working_file("", "sumfil.tmp"), "sumfil.tmp");
}

}  // namespace
}  // namespace quarvel::testing
