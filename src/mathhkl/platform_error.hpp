// The one failure that the default error report shows: a file, number-conversion or
// floating-point failure that ends the running handler with the platform's own message.
#pragma once

#include <stdexcept>

namespace mathhkl {

class platform_error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace mathhkl
