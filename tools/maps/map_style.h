#pragma once

#include <array>
#include <cstdint>

#include "globe/globe_canvas.h"

namespace meridex::maps {

// The look of the shipped map. Colours are stored as the layer files keep
// them: red in the low byte (0x00BBGGRR).
constexpr TColor Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return TColor{r} | TColor{g} << 8 | TColor{b} << 16;
}

// The sea is the globe's own colour (aqua in the world view); lakes match it.
inline constexpr TColor kWater = Rgb(0, 255, 255);
// Land under the countries: what shows between the lines of a selected
// (hatched) country, and in the odd pixel where two country fills miss.
inline constexpr TColor kLand = Rgb(236, 228, 204);
// Countries: pastel fills, neighbours never alike.
inline constexpr std::array<TColor, 6> kCountryFills = {
    Rgb(250, 226, 158), Rgb(196, 226, 162), Rgb(244, 194, 166),
    Rgb(214, 200, 234), Rgb(242, 204, 220), Rgb(226, 230, 172),
};
inline constexpr TColor kIce = Rgb(246, 246, 250);  // Antarctica
// One-pixel lines: a wider pen costs several times as much to draw.
inline constexpr TColor kCoast = Rgb(40, 110, 160);
inline constexpr TColor kBorder = Rgb(110, 96, 96);
// City dots and labels.
inline constexpr TColor kCity = Rgb(150, 0, 0);
inline constexpr const char* kCityFont = "Arial";

}  // namespace meridex::maps
