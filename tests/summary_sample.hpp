// Crysfire summary lines built by position, and a sample summary with the list it gives.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quarvel::testing {

// Characters 1-10 `lead`, 24-28 `ratio`, from 68 on the number field; the rest filler.
inline std::string summary_line(std::string_view lead, std::string_view ratio,
                                std::string_view field) {
  std::string line(lead);
  line.resize(10, ' ');
  line += " ITO     #12 ";
  line += std::string(5 - ratio.size(), ' ') + std::string(ratio);
  line += "   filler";
  line.resize(67, ' ');
  return line + std::string(field);
}

inline std::string joined(const std::vector<std::string>& lines, std::string_view end) {
  std::string text;
  for (const auto& line : lines) text += line + std::string(end);
  return text;
}

// Headings, a blank line, a 67-character line, a field of five numbers and one whose last item
// is not a number are all skipped; the first cell line carries a word after character 119.
inline const std::vector<std::string> kSampleSummary{
    "   CRYSFIRE 2004 SUMMARY FILE",
    "",
    summary_line("I/I20 FOM", "V/V1", "     a        b        c     alpha   beta   gamma"),
    summary_line(" 20  31.2", "1.00",
                 "  5.43070  5.43070  5.43070  90.000  90.000  90.000  unindexed"),
    summary_line(" 18  12.0", "2.00", "  4.00000  6.00000  4.00000  90.000  90.000  90.000"),
    summary_line(" 15   9.9", "1.00", "  4.00000  5.00000  6.00000  90.000  90.000"),
    summary_line(" 12   8.1", "1.00", "  4.00000  5.00000  6.00000  90.000  90.000  90.0x"),
    std::string(67, '-'),
    summary_line("  9   7.5", "1.50", "  5.00000  6.00000  7.00000  80.000  95.000 105.000"),
};

// The list: a = c != b comes out tetragonal with b and c exchanged, the volume unchanged.
inline const std::vector<std::string> kSampleList{
    " Nb I/I20  FOM   V/V1    a      b      c   alpha   beta   gamma    Vol.",
    "   1  20  31.2   1.00  5.431  5.431  5.431  90.00  90.00  90.00   160.16",
    "   2  18  12.0   2.00  4.000  4.000  6.000  90.00  90.00  90.00    96.00",
    "   3   9   7.5   1.50  5.000  6.000  7.000  80.00  95.00 105.00   199.57",
};

}  // namespace quarvel::testing
