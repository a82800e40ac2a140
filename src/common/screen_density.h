#pragma once

#include <cmath>

namespace meridex {

// The logical density the windows' design sizes assume, in pixels per inch.
inline constexpr int kStandardPixelsPerInch = 96;
// The larger density for which a design states its second set of sizes.
inline constexpr int kLargePixelsPerInch = 120;

// True at the standard density; every other density gets the windows' larger
// design sizes.
inline bool IsStandardDensity(int pixelsPerInch) { return pixelsPerInch == kStandardPixelsPerInch; }

// A length laid out for the standard density, at `pixelsPerInch`: it grows
// with the density as texts in points do, so that they keep their room.
inline int AtDensity(int standard, int pixelsPerInch) {
  if (IsStandardDensity(pixelsPerInch)) return standard;
  return static_cast<int>(std::lround(standard * pixelsPerInch / double{kStandardPixelsPerInch}));
}

// A length a design states twice: `standard` at the standard density and
// `large` for the larger one, which grows on with the density beyond it.
inline int AtDensity(int standard, int large, int pixelsPerInch) {
  if (IsStandardDensity(pixelsPerInch)) return standard;
  return static_cast<int>(std::lround(large * pixelsPerInch / double{kLargePixelsPerInch}));
}

}  // namespace meridex
