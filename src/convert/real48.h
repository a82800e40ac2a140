#pragma once

#include <array>
#include <cstdint>

#include "common/errors.h"

namespace meridex {

// A value too large for the 6-byte real (magnitude 2^127 or more after
// rounding).
class FloatOverflow : public AppError {
 public:
  FloatOverflow() : AppError("Floating point overflow") {}
};

// The 6-byte real the conversions hold their intermediate values in:
// byte 0 is the exponent biased by 129 (0 means zero), bytes 1..5 hold 39
// fraction bits little-endian with the sign in the top bit of byte 5; the
// leading one of the 40-bit significand is hidden. The range is 2^-128 up to
// (2 - 2^-39) * 2^126.
class Real48 {
 public:
  using Bytes = std::array<std::uint8_t, 6>;

  Real48() = default;

  // Rounds to 40 significant bits, half away from zero (the first dropped bit
  // decides). Magnitudes below 2^-128 give zero; a magnitude that rounds to
  // 2^127 or more, an infinity or a NaN throws FloatOverflow.
  static Real48 FromExtended(long double value);
  static Real48 FromBytes(const Bytes& bytes) {
    Real48 r;
    r.bytes_ = bytes;
    return r;
  }

  long double ToExtended() const;
  const Bytes& bytes() const { return bytes_; }

 private:
  Bytes bytes_{};
};

// Holds a value the way the conversions store it: the extended value of its
// 6-byte real. Throws FloatOverflow like Real48::FromExtended.
inline long double StoreReal48(long double value) {
  return Real48::FromExtended(value).ToExtended();
}

}  // namespace meridex
