// The main window first, then the hidden About box that it can show.
#include "quarvel/program.hpp"

namespace quarvel {

program::program() : form_(tk_) {
  tk_.set_about_box(about_);
}

}  // namespace quarvel
