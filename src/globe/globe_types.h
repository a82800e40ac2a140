#pragma once

#include <cstdint>

namespace meridex {

// The engine's angle unit: 1/5,400,000 of a degree. Positions, angles and
// extents are signed 32-bit GlobeUnits; arithmetic on them wraps like the
// 32-bit integers they are, so callers keep angles within +-360 degrees.
using GlobeUnit = std::int32_t;

inline constexpr GlobeUnit GU_DEGREE = 5'400'000;
inline constexpr GlobeUnit GU_MINUTE = 90'000;  // one arc minute = one nautical mile
inline constexpr GlobeUnit GU_SECOND = 1'500;
inline constexpr GlobeUnit GU_SIXTH_SECOND = 250;
inline constexpr GlobeUnit GU_180 = 972'000'000;
inline constexpr GlobeUnit GU_90 = 486'000'000;
inline constexpr GlobeUnit GU_360 = 1'944'000'000;
inline constexpr GlobeUnit GU_15 = 81'000'000;

// Radians to GlobeUnits (180/pi x 5,400,000) and back.
inline constexpr long double GU_PER_RADIAN = 309397209.37064453276L;
inline constexpr long double RADIANS_PER_GU = 3.232091207396906623709283E-9L;
// The earth radius of the spherical projection, in GlobeUnits of length, and
// its reciprocal. It differs from GU_PER_RADIAN in the sixth digit; both are
// used where they always were so that projected pixels stay where they were.
inline constexpr std::int32_t EARTH_RADIUS = 309'393'000;
inline constexpr long double INV_EARTH_RADIUS = 3.232135180821802690991194E-9L;

// A geographic point (X = longitude east positive, Y = latitude north
// positive, GlobeUnits) or, with the same layout, a screen point in pixels.
struct TLLPoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  friend bool operator==(const TLLPoint&, const TLLPoint&) = default;
};
using TPoint = TLLPoint;

// A rectangle. For geographic extents Left = west, Top = south, Right = east,
// Bottom = north (Top < Bottom); for pixel rectangles Right and Bottom are
// exclusive, as usual on screens.
struct TRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  friend bool operator==(const TRect&, const TRect&) = default;
};

// Adds in 64 bits and wraps to 32 bits, the way the engine's integer
// arithmetic has always behaved, without signed-overflow undefined behaviour.
inline std::int32_t Wrap32(std::int64_t v) { return static_cast<std::int32_t>(v); }

}  // namespace meridex
