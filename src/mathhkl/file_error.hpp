// File failures as the platform reports them: one message per kind of failure, so that every
// reader and writer ends its handler with the same texts.
#pragma once

#include <string_view>

#include "mathhkl/platform_error.hpp"

namespace mathhkl {

inline constexpr std::string_view kReadBeyondEnd = "Read beyond end of file";
inline constexpr std::string_view kInvalidNumericInput = "Invalid numeric input";

// The failure of a file operation that set `error_number` (an errno value).
platform_error file_error(int error_number);

}  // namespace mathhkl
