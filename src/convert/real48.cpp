#include "convert/real48.h"

#include <cmath>

namespace meridex {

namespace {

constexpr int kBias = 129;
constexpr int kFractionBits = 39;

}  // namespace

Real48 Real48::FromExtended(long double value) {
  if (!std::isfinite(value)) throw FloatOverflow();
  const long double magnitude = std::fabs(value);
  Real48 result;
  if (magnitude < std::ldexp(1.0L, -128)) return result;  // zero

  int exponent = 0;  // magnitude = m * 2^exponent, m in [0.5, 1)
  const long double m = std::frexp(magnitude, &exponent);
  // 40 significant bits as an integer in [2^39, 2^40], exact in extended.
  long double significand = std::ldexp(m, kFractionBits + 1);
  const long double whole = std::floor(significand);
  significand = (significand - whole >= 0.5L) ? whole + 1 : whole;
  if (significand == std::ldexp(1.0L, kFractionBits + 1)) {
    significand = std::ldexp(1.0L, kFractionBits);
    ++exponent;
  }
  // The stored value is 1.f * 2^(exponent - 1).
  const int biased = exponent - 1 + kBias;
  if (biased > 255) throw FloatOverflow();

  std::uint64_t fraction =
      static_cast<std::uint64_t>(significand) - (std::uint64_t{1} << kFractionBits);
  if (value < 0) fraction |= std::uint64_t{1} << kFractionBits;
  result.bytes_[0] = static_cast<std::uint8_t>(biased);
  for (int i = 1; i < 6; ++i) {
    result.bytes_[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(fraction & 0xFF);
    fraction >>= 8;
  }
  return result;
}

long double Real48::ToExtended() const {
  if (bytes_[0] == 0) return 0.0L;
  std::uint64_t bits = 0;
  for (int i = 5; i >= 1; --i) bits = (bits << 8) | bytes_[static_cast<std::size_t>(i)];
  const bool negative = (bits >> kFractionBits) & 1;
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << kFractionBits) - 1);
  const long double significand =
      static_cast<long double>(fraction | (std::uint64_t{1} << kFractionBits));
  const long double magnitude = std::ldexp(significand, bytes_[0] - kBias - kFractionBits);
  return negative ? -magnitude : magnitude;
}

}  // namespace meridex
