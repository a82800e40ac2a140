#pragma once

#include <string>
#include <string_view>

#include "globe/globe_types.h"

namespace meridex {

// Formats a latitude or longitude. Codes after "%": D degrees, M minutes,
// S seconds, T sixths of a second, U remaining GlobeUnits (all unsigned, two
// digits at least except D), E "E"/"W", N "N"/"S"; any other character is
// copied ("%%" gives "%"). Zero counts as north and east. A "%" at the very
// end produces nothing.
std::string FormatLatLong(GlobeUnit value, std::string_view format);

}  // namespace meridex
