// The six-byte real of the cell state: held in 80-bit long double, rounded on every store.
#pragma once

#include <array>
#include <cstdint>

#include "platform/error.hpp"

namespace mathhkl {

// Rounds an extended value to the 48-bit format: 40 significant bits, nearest with halves away
// from zero; magnitudes below 2^-128 become 0, magnitudes of 2^127 or more overflow.
long double round48(long double x);

// The stored layout: byte 0 exponent biased by 129 (0 means zero), bytes 1..5 the 39-bit
// fraction least significant first, sign in the top bit of byte 5.
using real48_bytes = std::array<std::uint8_t, 6>;

class real48 {
 public:
  constexpr real48() = default;
  real48(long double x) : value_(round48(x)) {}  // NOLINT: storing rounds, as assignment does
  real48& operator=(long double x) {
    value_ = round48(x);
    return *this;
  }
  // Loading is exact: arithmetic continues in extended precision.
  operator long double() const { return value_; }  // NOLINT
  long double value() const { return value_; }

  real48_bytes to_bytes() const;
  static real48 from_bytes(const real48_bytes& bytes);

 private:
  long double value_ = 0.0L;
};

}  // namespace mathhkl
