// The "&About" menu item: the About box opens beside the main window, which stays usable.
#include "main/form.hpp"

namespace quarvel {

void TForm1::About1Click() {
  tk_.show_window(control::fapropos);
}

}  // namespace quarvel
