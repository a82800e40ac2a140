#pragma once

#include <span>
#include <string_view>

namespace meridex {

// A font family the windows and the globe's layer files are designed with,
// and the installed metric-compatible family that stands in for it.
struct FontStandIn {
  std::string_view family;
  std::string_view standIn;
};

// Every family that has a stand-in.
std::span<const FontStandIn> FontStandIns();

// The family to ask for in place of `family`: its stand-in, or `family`
// itself when it has none.
std::string_view StandInFamily(std::string_view family);

}  // namespace meridex
