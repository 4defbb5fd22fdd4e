// The manual pages against the programs' own --help: every option the help lists is on the page
// with the same default, and the page lists no option the help does not.
//
// A check rather than pages generated from the help text: the pages carry what a one-line help
// entry cannot (the verdicts, the hint line, exit statuses) and stay plain roff that lintian and
// man read as written, and the package build does not depend on running a program. The check
// fails on the first drift, in either direction, which is all that generation would buy.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Each option and the defaults its entries state ("" for an entry without one).
using option_defaults = std::map<std::string, std::set<std::string>>;

std::string run_help(const std::string& program) {
  std::FILE* pipe = ::popen(("'" + program + "' --help").c_str(), "r");
  if (pipe == nullptr) return "";
  std::string text;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
  const int status = ::pclose(pipe);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << program << " --help failed";
  return text;
}

std::string read_text(const std::string& path) {
  std::ifstream in(path);
  EXPECT_TRUE(in) << "cannot read " << path;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string collapsed(const std::string& text) {
  std::istringstream words(text);
  std::string out;
  for (std::string word; words >> word;) out += (out.empty() ? "" : " ") + word;
  return out;
}

std::vector<std::string> options_in(std::string tag) {
  for (char& ch : tag)
    if (ch == '"' || ch == '[' || ch == ']' || ch == '|' || ch == ',') ch = ' ';
  std::istringstream words(tag);
  std::vector<std::string> out;
  for (std::string word; words >> word;)
    if (word.rfind("--", 0) == 0) out.push_back(word);
  return out;
}

// "(default X)" or "(default: X)" in either text.
std::string marked_default(const std::string& description) {
  static const std::regex marked(R"(\(default:? ([^)]*)\))");
  std::smatch m;
  return std::regex_search(description, m, marked) ? collapsed(m[1].str()) : "";
}

// The help states a default either marked, or as a last "; X" clause of one word, which may be
// followed by a remark in parentheses ("; 1.540598 (Cu Ka1)").
std::string help_default(const std::string& description) {
  if (std::string d = marked_default(description); !d.empty()) return d;
  const std::size_t semicolon = description.rfind("; ");
  if (semicolon == std::string::npos) return "";
  std::string last = description.substr(semicolon + 2);
  if (const std::size_t remark = last.find(" ("); remark != std::string::npos) last.erase(remark);
  last = collapsed(last);
  return last.find(' ') == std::string::npos ? last : "";
}

// An entry starts with two spaces and "--"; its options end where two spaces start its
// description, which goes on in the more deeply indented lines below.
option_defaults help_options(const std::string& help) {
  option_defaults out;
  std::vector<std::string> entry_options;
  std::string description;
  auto close = [&]() {
    for (const std::string& o : entry_options) out[o].insert(help_default(collapsed(description)));
    entry_options.clear();
    description.clear();
  };
  std::istringstream lines(help);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("  --", 0) == 0) {
      close();
      const std::size_t gap = line.find("  ", 2);
      entry_options = options_in(line.substr(0, gap));
      if (gap != std::string::npos) description = line.substr(gap);
    } else if (!entry_options.empty() && line.rfind("    ", 0) == 0) {
      description += " " + line;
    } else {
      close();
    }
  }
  close();
  return out;
}

std::string without_escapes(std::string text) {
  static const std::regex font(R"(\\f[BIRP])");
  text = std::regex_replace(text, font, "");
  static const std::regex minus(R"(\\-)");
  text = std::regex_replace(text, minus, "-");
  static const std::regex zero_width(R"(\\&)");
  return std::regex_replace(text, zero_width, "");
}

// Text of a roff line: a macro's arguments without the macro's name.
std::string roff_text(const std::string& line) {
  if (line.empty() || line[0] != '.') return without_escapes(line);
  const std::size_t space = line.find(' ');
  return space == std::string::npos ? "" : without_escapes(line.substr(space + 1));
}

// Every tagged paragraph (.TP) whose tag starts with an option.
option_defaults page_options(const std::string& page) {
  option_defaults out;
  std::vector<std::string> lines;
  std::istringstream in(page);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i] != ".TP") continue;
    const std::string tag = roff_text(lines[i + 1]);
    if (collapsed(tag).rfind("--", 0) != 0) continue;
    std::string description;
    for (std::size_t k = i + 2; k < lines.size(); ++k) {
      const std::string& l = lines[k];
      if (l == ".TP" || l == ".PP" || l == ".P" || l == ".LP" || l.rfind(".SH", 0) == 0 ||
          l.rfind(".SS", 0) == 0)
        break;
      description += " " + roff_text(l);
    }
    for (const std::string& o : options_in(tag)) out[o].insert(marked_default(description));
  }
  return out;
}

// The two lists agree option by option; an option stated with and without a default (one entry
// of several) keeps only the default.
void expect_same(const option_defaults& help, const option_defaults& page) {
  auto stated = [](std::set<std::string> defaults) {
    if (defaults.size() > 1) defaults.erase("");
    return defaults;
  };
  for (const auto& [option, defaults] : help) {
    auto on_page = page.find(option);
    if (on_page == page.end()) {
      ADD_FAILURE() << option << " is in --help but not on the page";
      continue;
    }
    EXPECT_EQ(stated(defaults), stated(on_page->second)) << "defaults of " << option;
  }
  for (const auto& entry : page)
    EXPECT_TRUE(help.contains(entry.first)) << entry.first << " is on the page but not in --help";
}

TEST(ManPageCheck, ReadsHelpEntriesAndTheirDefaults) {
  const option_defaults help = help_options(
      "usage: x --cell A [options]\n"
      "       x --sum FILE\n"
      "\n"
      "  --delta DEG      largest obliquity; 3\n"
      "  --wavelength A   in angstroms; 1.540598 (Cu Ka1)\n"
      "  --batch FILE     one cell a line; one JSON object\n"
      "                   a line\n"
      "  --sum FILE --all-solutions\n"
      "                   every solution (default: all)\n"
      "  --json           JSON\n"
      "\n"
      "With --sum, more.\n");
  const option_defaults expected = {
      {"--delta", {"3"}}, {"--wavelength", {"1.540598"}}, {"--batch", {""}},
      {"--sum", {"all"}}, {"--all-solutions", {"all"}},   {"--json", {""}}};
  EXPECT_EQ(help, expected);
}

TEST(ManPageCheck, ReadsPageEntriesAndTheirDefaults) {
  const option_defaults page = page_options(
      ".SH OPTIONS\n"
      ".TP\n"
      ".BI \\-\\-delta \" DEG\"\n"
      "largest obliquity\n"
      "(default 3).\n"
      ".TP\n"
      ".BI \\-\\-sum \" FILE \" \\-\\-solution \" K\"\n"
      "solution\n"
      ".I K\n"
      ".SH EXIT STATUS\n"
      ".TP\n"
      ".B 0\n"
      "done (default 1).\n");
  const option_defaults expected = {{"--delta", {"3"}}, {"--sum", {""}}, {"--solution", {""}}};
  EXPECT_EQ(page, expected);
}

TEST(ManPageCheck, FindsADefaultThatDiffers) {
  EXPECT_NONFATAL_FAILURE(expect_same({{"--delta", {"3"}}}, {{"--delta", {"5"}}}), "--delta");
  EXPECT_NONFATAL_FAILURE(expect_same({{"--delta", {"3"}}}, {}), "not on the page");
  EXPECT_NONFATAL_FAILURE(expect_same({}, {{"--delta", {""}}}), "not in --help");
}

TEST(ManPages, QuarvelLatticeOptionsMatchItsHelp) {
  const option_defaults help = help_options(run_help(QUARVEL_LATTICE_PROGRAM));
  ASSERT_TRUE(help.contains("--cell") && help.contains("--lines")) << "no options read";
  expect_same(help, page_options(read_text(QUARVEL_PAGES "/quarvel-lattice.1")));
}

TEST(ManPages, QuarvelSearchOptionsMatchItsHelp) {
  const option_defaults help = help_options(run_help(QUARVEL_SEARCH_PROGRAM));
  ASSERT_TRUE(help.contains("--cell") && help.contains("--ptol")) << "no options read";
  expect_same(help, page_options(read_text(QUARVEL_PAGES "/quarvel-search.1")));
}

}  // namespace
