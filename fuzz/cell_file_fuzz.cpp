// The cell-file reader on any bytes; a cell it reads and the writer can lay out reads back.
#include <cmath>
#include <cstdint>
#include <string_view>

#include "fuzz_check.hpp"
#include "main/cell_file_format.hpp"
#include "platform/error.hpp"

namespace {

// Values whose 8-character fields keep a blank before them.
bool fits_layout(const mathhkl::cell_params& cell) {
  for (const auto& v : cell)
    if (!(v > -99.0L && v < 999.0L)) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  fuzz_require(quarvel::cell_file_path(std::string(text)).find(".cry") != std::string::npos,
               "a saved cell file's name holds .cry");
  mathhkl::cell_params cell{};
  try {
    quarvel::read_cell_values(text, cell);
  } catch (const platform::error&) {
    return 0;  // "Invalid numeric input", or a value beyond the 48-bit range
  }
  if (!fits_layout(cell)) return 0;
  mathhkl::cell_params again{};
  quarvel::read_cell_values(quarvel::cell_file_text("TRIC", cell), again);
  for (int i = 0; i < 6; ++i) {
    fuzz_require(std::fabs(again[i] - cell[i]) <= 0.0005L + 1e-9L,
                 "a written cell reads back to three decimals");
  }
  return 0;
}
