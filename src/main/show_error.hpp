// The program's own error messages: a modal error box with one OK button.
#pragma once

#include <string_view>

#include "toolkit/toolkit.hpp"

namespace quarvel {

void show_error(toolkit::toolkit& tk, std::string_view text);

}  // namespace quarvel
