// Control names for recordings.
#include "toolkit/controls.hpp"

#include <array>

namespace toolkit {

std::string_view name_of(control c) {
#define QUARVEL_CONTROL_NAME(name) #name,
  static constexpr std::array names{QUARVEL_CONTROLS(QUARVEL_CONTROL_NAME)};
#undef QUARVEL_CONTROL_NAME
  return names[static_cast<size_t>(c)];
}

}  // namespace toolkit
