// Rounding to and packing of the six-byte real.
#include "mathhkl/real48.hpp"

#include <cmath>
#include <cstring>

namespace mathhkl {
namespace {

// x86-64 long double: 64-bit significand with explicit integer bit, then sign and 15-bit exponent.
struct extended_parts {
  std::uint64_t mantissa;
  std::uint16_t sign_exponent;
};
static_assert(sizeof(long double) >= 10, "80-bit extended long double required");

extended_parts split(long double x) {
  extended_parts p{};
  std::memcpy(&p.mantissa, &x, 8);
  std::memcpy(&p.sign_exponent, reinterpret_cast<const char*>(&x) + 8, 2);
  return p;
}

long double join(extended_parts p) {
  long double x = 0.0L;
  std::memcpy(&x, &p.mantissa, 8);
  std::memcpy(reinterpret_cast<char*>(&x) + 8, &p.sign_exponent, 2);
  return x;
}

constexpr int kExtendedBias = 16383;
constexpr int kRealBias = 129;
constexpr int kDroppedBits = 64 - 40;  // the 48-bit real keeps 40 significant bits

}  // namespace

long double round48(long double x) {
  if (std::isnan(x)) throw platform::error("Invalid floating point operation");
  if (std::isinf(x)) throw platform::error("Floating point overflow");
  if (x == 0.0L) return 0.0L;
  extended_parts p = split(x);
  if ((p.mantissa >> 63) == 0) return 0.0L;  // extended denormal: far below 2^-128
  int exponent = (p.sign_exponent & 0x7fff) - kExtendedBias;
  // Add half of the last kept bit to the magnitude: ties go away from zero.
  std::uint64_t rounded = p.mantissa + (std::uint64_t{1} << (kDroppedBits - 1));
  if (rounded < p.mantissa) {  // carried out of the significand
    rounded = std::uint64_t{1} << 63;
    ++exponent;
  }
  rounded &= ~((std::uint64_t{1} << kDroppedBits) - 1);
  if (exponent + kRealBias < 1) return 0.0L;
  if (exponent + kRealBias > 255) throw platform::error("Floating point overflow");
  p.mantissa = rounded;
  p.sign_exponent =
      static_cast<std::uint16_t>((p.sign_exponent & 0x8000) | (exponent + kExtendedBias));
  return join(p);
}

real48_bytes real48::to_bytes() const {
  real48_bytes bytes{};
  if (value_ == 0.0L) return bytes;
  extended_parts p = split(value_);
  int exponent = (p.sign_exponent & 0x7fff) - kExtendedBias;
  bytes[0] = static_cast<std::uint8_t>(exponent + kRealBias);
  std::uint64_t fraction = (p.mantissa >> kDroppedBits) & ((std::uint64_t{1} << 39) - 1);
  for (int i = 0; i < 5; ++i) bytes[1 + i] = static_cast<std::uint8_t>(fraction >> (8 * i));
  if (p.sign_exponent & 0x8000) bytes[5] |= 0x80;
  return bytes;
}

real48 real48::from_bytes(const real48_bytes& bytes) {
  if (bytes[0] == 0) return real48();
  std::uint64_t fraction = 0;
  for (int i = 0; i < 5; ++i) fraction |= std::uint64_t{bytes[1 + i]} << (8 * i);
  fraction &= (std::uint64_t{1} << 39) - 1;
  extended_parts p{};
  p.mantissa = (std::uint64_t{1} << 63) | (fraction << kDroppedBits);
  int exponent = bytes[0] - kRealBias;
  p.sign_exponent =
      static_cast<std::uint16_t>(((bytes[5] & 0x80) ? 0x8000 : 0) | (exponent + kExtendedBias));
  return real48(join(p));
}

}  // namespace mathhkl
