#pragma once

#include "common/screen_density.h"

namespace meridex {

// Outer heights of the city list window, in pixels. The design sizes hold at
// the standard density; other densities get the larger set.
inline constexpr int kPanelHeight = 72;  // the forecast and add-location input panels

inline int AllCitiesHeight(int pixelsPerInch) {
  return IsStandardDensity(pixelsPerInch) ? 304 : 322;
}

// The Hot List window grows with its rows up to a cap.
inline int HotListHeight(int rows, int pixelsPerInch) {
  if (IsStandardDensity(pixelsPerInch)) {
    const int h = 87 + 13 * rows;
    return h > 333 ? 333 : h;
  }
  const int h = 111 + 16 * rows;
  return h > 410 ? 410 : h;
}

inline int ForecastAllHeight(int pixelsPerInch) {
  return IsStandardDensity(pixelsPerInch) ? 292 : 310;
}

// A forecast over the Hot List grows with the Hot List's rows.
inline int ForecastHotListHeight(int rows) {
  const int h = 90 + 13 * rows;
  return h > 350 ? 350 : h;
}

}  // namespace meridex
