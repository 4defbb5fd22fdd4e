// The fixed-width lines of the results panel: headings, the initial cell, found cells.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "mathhkl/cell_state.hpp"
#include "search/search_engine.hpp"

namespace quarvel {

inline constexpr std::string_view kInitialHeading =
    "Syst.   a      b      c    alpha  beta   gamma     V ";
inline constexpr std::string_view kFoundHeading =
    "Syst.   A      B      C    Alpha  Beta   Gamma    V     V/V1                  "
    "Transformation Matrix                 Nb";
static_assert(kInitialHeading.size() == 53 && kFoundHeading.size() == 118);

inline constexpr std::string_view kNoOtherCell = "No other cell";
inline constexpr std::string_view kStoppedByUser = "Stopped by the user";
inline constexpr std::string_view kTooManyFoundCells = "Too many found cells!!";

// The status line under a full list: how many cells it kept and which conditions let fewer in.
std::string list_full_status(int kept, std::string_view max_ratio, std::string_view max_vector);

// Numbers below are written WIDTH:DECIMALS, as format_fixed lays them out: right-aligned in
// WIDTH characters with DECIMALS digits after the point (7:3 is "  4.000").

// Code, a b c at 7:3, angles at 7:2, Vo at 9:1 below 10000 else 9:0.
std::string initial_cell_line(std::string_view system_code, const mathhkl::cell_params& cell,
                              long double start_volume);

// Code, a b c at 7:3, angles at 7:2, V at 8:1 below 10000 else 8:0, V/Vo at 6:2, two blanks,
// then "(" row ")," for each matrix row at 5:2, the final comma removed.
std::string raw_found_line(const found_cell& cell);

// The raw line, the Crysfire cross-reference at 3 and two blanks (or five blanks), then the
// running number at 3.
std::string final_found_line(const std::string& raw, int cross_reference, int running_number);

// Drops later cells whose printed a, b, c (within tol.param) and angles (within tol.angle)
// equal an earlier kept one's; returns, per line, whether it is kept. A dropped cell is not
// compared with the ones after it.
std::vector<bool> keep_after_duplicates(const std::vector<std::string>& raw_lines,
                                        mathhkl::tolerances tol);

}  // namespace quarvel
