// Whole-file reading and writing; every failure is thrown as the platform's file message.
#pragma once

#include <string>
#include <string_view>

namespace mathhkl {

// The file's bytes, as they stand.
std::string read_file(const std::string& path);

// Writes a temporary file in the target's folder and renames it over the target, so that a
// failure never leaves a half-written file in place of a good one. A target that may not be
// written is refused as it would be if it were opened for writing.
void replace_file(const std::string& path, std::string_view content);

}  // namespace mathhkl
