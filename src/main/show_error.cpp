// Error box of the program's own messages.
#include "main/show_error.hpp"

namespace quarvel {

void show_error(toolkit::toolkit& tk, std::string_view text) {
  tk.error_box(text);
}

}  // namespace quarvel
