// Error box of the program's own messages.
#include "mathhkl/show_error.hpp"

namespace mathhkl {

void show_error(toolkit::toolkit& tk, std::string_view text) {
  tk.error_box(text);
}

}  // namespace mathhkl
