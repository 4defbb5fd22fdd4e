// The one failure that the default error report shows: a file, number-conversion or
// floating-point failure that ends the running handler with the platform's own message. It
// depends on nothing, so that the core, the toolkits and the logic can all raise or show it.
#pragma once

#include <stdexcept>

namespace platform {

class error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace platform
