// File failures as the platform reports them: one message per kind of failure, so that every
// reader and writer ends its handler with the same texts.
#pragma once

#include <string_view>

#include "platform/error.hpp"

namespace mathhkl {

inline constexpr std::string_view kReadBeyondEnd = "Read beyond end of file";
inline constexpr std::string_view kInvalidNumericInput = "Invalid numeric input";

// The failure of a file operation that set `error_number` (an errno value).
platform::error file_error(int error_number);

}  // namespace mathhkl
