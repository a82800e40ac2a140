#include "common/font_families.h"

#include <array>

namespace meridex {

namespace {

// Debian's fonts-liberation2 has the same widths as the designed families,
// so texts keep the room the layouts give them.
constexpr std::array<FontStandIn, 4> kStandIns{{
    {"MS Sans Serif", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
}};

}  // namespace

std::span<const FontStandIn> FontStandIns() { return kStandIns; }

std::string_view StandInFamily(std::string_view family) {
  for (const FontStandIn& s : kStandIns) {
    if (s.family == family) return s.standIn;
  }
  return family;
}

}  // namespace meridex
