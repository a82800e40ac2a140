#pragma once

namespace meridex {

// The logical density the windows' design sizes assume, in pixels per inch.
inline constexpr int kStandardPixelsPerInch = 96;

// True at the standard density; every other density gets the windows' larger
// design sizes.
inline bool IsStandardDensity(int pixelsPerInch) { return pixelsPerInch == kStandardPixelsPerInch; }

}  // namespace meridex
