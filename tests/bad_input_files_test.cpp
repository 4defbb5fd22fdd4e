// Bad files: what the cell-file reader, the Crysfire import and the writers answer. Each table
// is a group of rows of the README's "Bad input" table.
#include <sys/stat.h>

#include <cstdint>
#include <optional>

#include "form_fixture.hpp"
#include "mathhkl/number_text.hpp"
#include "mathhkl/real48.hpp"
#include "summary_sample.hpp"
#include "temp_folder.hpp"
#include "unprivileged.hpp"

namespace quarvel::testing {
namespace {

using namespace std::string_literals;
using six = std::array<long double, 6>;

class BadFiles : public FormTest {
 protected:
  // The box the button's handler showed, or "" when it showed none.
  std::string answer_of(control button) {
    const size_t before = tk.messages().size();
    tk.click(button);
    const std::vector<std::string> after = tk.messages();
    if (after.size() == before) return "";
    EXPECT_EQ(after.size(), before + 1);
    return after.back().substr(after.back().find(' ') + 1);
  }
  // The same, with `path` chosen in the button's file dialog.
  std::string answer_of(control button, const std::string& path) {
    tk.queue_file(path);
    return answer_of(button);
  }

  temp_folder folder;
};

// Bytes that look like nothing: a fixed pseudo-random sequence, line ends included.
std::string noise(size_t size) {
  std::string bytes;
  std::uint32_t x = 12345;
  for (size_t i = 0; i < size; ++i) {
    x = x * 1103515245u + 12345u;
    bytes += static_cast<char>(x >> 24);
  }
  return bytes;
}

TEST_F(BadFiles, CellFileReader) {
  const six zeros{0, 0, 0, 0, 0, 0};
  const six mono{4, 5, 6, 90, 100, 90};
  const std::string head = "\r\n\r\n\r\n";
  const struct {
    const char* name;
    std::optional<std::string> bytes;  // none: the file does not exist
    const char* answer;
    six cell;  // when no box is shown
  } rows[] = {
      {"missing file", std::nullopt, "File not found", {}},
      {"empty", "", "", zeros},
      {"binary without line ends: one line, skipped",
       "\x7f"
       "ELF\x02\x01\x01\x00\xff\xfe"s,
       "", zeros},
      {"binary with line ends",
       "\x00\x01\r\n\xff\xfe\r\n\x80\r\n\x90\xa0\xb0 \xc0\r\n"s,
       "Invalid numeric input",
       {}},
      {"CR only", "t\rMONO\rNO EXT.\r4 5 6 90 100 90\r", "", mono},
      {"mixed line ends", "t\r\nMONO\nNO EXT.\r4 5 6 90 100 90\n", "", mono},
      {"title of 100 kB", std::string(100000, 't') + head + "4 5 6 90 100 90\r\n", "", mono},
      {"value of 100 kB of digits", head + std::string(100000, '7'), "Floating point overflow", {}},
      {"1e39", head + "4 5 1e39 90 90 90\r\n", "Floating point overflow", {}},
      {"nan", head + "4 5 nan 90 90 90\r\n", "Invalid numeric input", {}},
      {"inf", head + "4 5 6 inf 90 90\r\n", "Invalid numeric input", {}},
      {"decimal comma", head + "5,431 5 6 90 90 90\r\n", "Invalid numeric input", {}},
      {"1e-50 is stored as 0", head + "1e-50 5 6 90 100 90\r\n", "", {0, 5, 6, 90, 100, 90}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path =
        row.bytes ? folder.write("cell.cry", *row.bytes) : (folder.path() / "none.cry").string();
    EXPECT_EQ(answer_of(control::BitBtn4, path), row.answer);
    if (*row.answer) continue;
    six cell;
    for (int i = 0; i < 6; ++i) cell[i] = form.shared().cell[i];
    EXPECT_EQ(cell, row.cell);
  }
}

TEST_F(BadFiles, CrysfireImport) {
  const std::vector<std::string> rest(kSampleSummary.begin() + 1, kSampleSummary.end());
  const std::string& first = kSampleSummary[0];
  auto with_line = [](const std::string& field) {
    std::vector<std::string> lines = kSampleSummary;
    lines.push_back(summary_line(" 1  1.0", "1.00", field));
    return joined(lines, "\r\n");
  };
  std::vector<std::string> long_tail = kSampleSummary;
  long_tail[3] += std::string(100000, 'x');
  const std::vector<std::string> header_only{kSampleList[0]};
  const struct {
    const char* name;
    std::optional<std::string> bytes;  // none: the file does not exist
    const char* answer;
    std::vector<std::string> list;  // when no box is shown
  } rows[] = {
      {"missing file", std::nullopt, "File not found", {}},
      {"empty", "", "Read beyond end of file", {}},
      {"short, no LF", "\x89PNG\x00\x01"s, "Read beyond end of file", {}},
      {"binary: no line is a cell", noise(4000), "", header_only},
      {"CR only", joined(kSampleSummary, "\r"), "", kSampleList},
      {"CR only, shorter than 300 bytes", "one\rtwo\r", "Read beyond end of file", {}},
      {"mixed, CR LF first", first + "\r\n" + joined(rest, "\n"), "", kSampleList},
      {"mixed, LF first", first + "\n" + joined(rest, "\r\n"), "", kSampleList},
      {"first line of 100 kB", std::string(100000, '=') + "\r\n" + joined(kSampleSummary, "\r\n"),
       "", kSampleList},
      {"100 kB after a cell", joined(long_tail, "\r\n"), "", kSampleList},
      {"nan as the last value: skipped", with_line("4 5 6 90 90 nan"), "", kSampleList},
      {"inf as the last value: skipped", with_line("4 5 6 90 90 inf"), "", kSampleList},
      {"1e39", with_line("4 5 1e39 90 90 90"), "Floating point overflow", {}},
      {"angles that do not close",
       with_line("4 5 6 10 10 150"),
       "Invalid floating point operation",
       {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path =
        row.bytes ? folder.write("cells.sum", *row.bytes) : (folder.path() / "none.sum").string();
    EXPECT_EQ(answer_of(control::BitBtn3, path), row.answer);
    EXPECT_EQ(tk.lines(control::ListBox1), row.list);
    EXPECT_EQ(form.shared().sum_line_count,
              row.list.empty() ? 0 : static_cast<int>(row.list.size()) - 1);
  }
}

TEST_F(BadFiles, CrysfireNumbersThatSplitOrVanish) {
  // A decimal comma separates: "5,431" is the two numbers 5 and 431. A value below the
  // smallest stored real is 0, and so is the volume.
  const struct {
    const char* field;
    std::array<long double, 7> values;  // a, b, c, alpha, beta, gamma, volume of the list line
  } rows[] = {
      {"4 5 1e-50 90 90 90", {4, 5, 0, 90, 90, 90, 0}},
      {"5,431 5,431 5,431 90 90 90", {5, 431, 5, 431, 5, 431, -1}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.field);
    const std::string path =
        folder.write("one.sum", summary_line(" 1  1.0", "1.00", row.field) + "\r\n");
    EXPECT_EQ(answer_of(control::BitBtn3, path), "");
    ASSERT_EQ(tk.line_count(control::ListBox1), 2);
    mathhkl::number_slots values{};
    int count = 0;
    int code = 0;
    mathhkl::split_numbers(tk.line(control::ListBox1, 1), values, count, code);
    ASSERT_EQ(count, 11);
    for (int i = 0; i < 7; ++i) {
      if (row.values[i] >= 0) {
        EXPECT_EQ(values[4 + i], row.values[i]) << i;
      }
    }
  }
}

TEST_F(BadFiles, WritersRefuseTargetsTheyCannotWrite) {
  std::filesystem::permissions(folder.path(), std::filesystem::perms(0755));
  const std::filesystem::path locked = folder.path() / "locked";
  std::filesystem::create_directory(locked);
  const std::string old_cell =
      "\r\nCUBI\r\nNO EXT.\r\n   4.000   4.000   4.000  90.000  90.000  90.000\r\n";
  std::ofstream(locked / "old.cry", std::ios::binary) << old_cell;
  std::filesystem::permissions(locked, std::filesystem::perms(0555));
  folder.write("plain.txt", "a file, not a folder");
  const std::string lf_summary = folder.write("lf.sum", joined(kSampleSummary, "\n"));

  enter_cubic_example();
  run();
  ASSERT_GT(form.found_count(), 0);

  EXPECT_EQ(answer_of(control::Savecellprameters1, (folder.path() / "none" / "c.cry").string()),
            "File not found");
  EXPECT_EQ(answer_of(control::Savecellprameters1, (folder.path() / "plain.txt" / "c").string()),
            "Invalid filename");
  EXPECT_EQ(as_unprivileged([&] {
              return answer_of(control::Savecellprameters1, (locked / "new.cry").string());
            }),
            "File access denied");
  EXPECT_EQ(as_unprivileged([&] {
              return answer_of(control::Savecellprameters1, (locked / "old.cry").string());
            }),
            "File access denied");
  EXPECT_EQ(as_unprivileged([&] {
              if (::chdir(locked.c_str()) != 0) return std::string("no such folder");
              return answer_of(control::BitBtn5);
            }),
            "File access denied");
  EXPECT_EQ(as_unprivileged([&] {
              form.shared().sum_dir = locked.string();
              return answer_of(control::BitBtn3, lf_summary);
            }),
            "File access denied");
  EXPECT_EQ(folder.read("locked/old.cry"), old_cell) << "a refused write leaves the old file";
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(locked),
                          std::filesystem::directory_iterator()),
            1);
  std::filesystem::permissions(locked, std::filesystem::perms(0755));
}

}  // namespace
}  // namespace quarvel::testing
