// A summary file of any bytes imported as the Crysfire button does: normalise_line_ends and
// read_sum_file in a working folder of their own, then the list read back into ListBox1.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz_check.hpp"
#include "main/form.hpp"
#include "mathhkl/sum_file.hpp"
#include "toolkit/headless_toolkit.hpp"

namespace {

using toolkit::control;

// One folder for the whole run, in the temporary folder. The fuzzer ends without running exit
// handlers, so fuzz/run points TMPDIR at a folder of its own (in memory, since every import
// syncs the files it writes) and removes it afterwards.
const std::filesystem::path& work_folder() {
  static const std::filesystem::path folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "quarvel-fuzz-XXXXXX").string();
    fuzz_require(::mkdtemp(pattern.data()) != nullptr, "a temporary folder can be made");
    return std::filesystem::path(pattern);
  }();
  return folder;
}

std::string read_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// CR LF after every line, and no line longer than the 250 bytes a copy keeps.
void check_copy(const std::string& copy) {
  size_t line_start = 0;
  for (size_t i = 0; i < copy.size(); ++i) {
    if (copy[i] == '\r') {
      fuzz_require(i + 1 < copy.size() && copy[i + 1] == '\n', "a copy's CR starts a CR LF");
      fuzz_require(i - line_start <= 250, "a copy keeps at most 250 bytes of a line");
    } else if (copy[i] == '\n') {
      fuzz_require(i > 0 && copy[i - 1] == '\r', "a copy's LF ends a CR LF");
      line_start = i + 1;
    }
  }
  fuzz_require(line_start == copy.size(), "a copy ends with a line end");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::filesystem::path& folder = work_folder();
  std::filesystem::remove(folder / mathhkl::kWorkingCopyName);
  const std::filesystem::path summary = folder / "input.sum";
  std::ofstream(summary, std::ios::binary)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

  toolkit::headless_toolkit tk;
  quarvel::TForm1 form(tk);
  form.shared().sum_dir = folder.string();
  tk.activate();
  tk.queue_file(summary.string());
  tk.click(control::BitBtn3);

  const std::vector<std::string> list = tk.lines(control::ListBox1);
  const int count = form.shared().sum_line_count;
  if (tk.messages().empty()) {
    fuzz_require(!list.empty() && list[0] == mathhkl::kSumListHeader, "the list has its header");
    fuzz_require(count == static_cast<int>(list.size()) - 1, "the count is the list's cells");
    fuzz_require(tk.selected_index(control::ListBox1) == (count > 0 ? 1 : -1),
                 "the first cell is selected");
  } else {
    fuzz_require(tk.messages().size() == 1, "a failed import shows one box");
    fuzz_require(count == 0, "a failed import leaves no cell to look up");
  }
  if (tk.text(control::Label10) == "Active file : dummy.tmp" &&
      std::filesystem::exists(folder / mathhkl::kWorkingCopyName)) {
    check_copy(read_bytes(folder / mathhkl::kWorkingCopyName));
  }
  return 0;
}
