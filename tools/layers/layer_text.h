#pragma once

#include <cstdint>
#include <istream>
#include <string>

#include "globe/globe_layer.h"

namespace meridex {

// Reads the text description of a layer into layer (which should be empty)
// and returns the coordinate divisor the file asks for (1 or 90,000).
//
//   # a comment; blank lines are ignored
//   format 1                      1 = 32-bit GlobeUnits (default), 0 = arc minutes
//   pen    NAME COLOR STYLE WIDTH
//   brush  NAME COLOR STYLE
//   font   NAME COLOR UNITS HEIGHT ANGLE STYLE FACE...
//   text      FONT LON LAT TITLE...
//   pointtext FONT LON LAT TITLE...
//   symbol    FONT CODE LON LAT TITLE...
//   polyline  PEN TITLE...            then "LON LAT" lines, then "end"
//   polygon   PEN BRUSH TITLE...      then "LON LAT" lines, then "end"
//   grid      MAJORPEN MINORPEN EAST NORTH LONSTEP LATSTEP LONSUB LATSUB TITLE...
//
// NAMEs label attributes for the lines below them; equal attributes are
// shared. COLOR is #RRGGBB; STYLE a number (pen 0..6, brush 0..7, font bits
// 1 bold, 2 italic, 4 underline, 8 strike-out); UNITS an abbreviation (D, NM,
// MI, YD, FT, IN, KM, M, CM, GU); ANGLE tenths of a degree; CODE a character
// number. LON, LAT, EAST, NORTH and the grid steps are decimal degrees
// (east and north positive), converted exactly to GlobeUnits and rounded.
// A grid's near corner is (0, 0), as its record holds only the far one.
// Throws ConversionError "line N: <what is wrong>".
std::int32_t ReadLayerText(std::istream& in, TGlobeLayer& layer);

// Decimal degrees to GlobeUnits, exactly (rounded half away from zero at
// the last GlobeUnit). Throws ConversionError for anything but
// [-]digits[.digits] within +-397 degrees.
GlobeUnit DegreesToGlobeUnits(const std::string& text);

}  // namespace meridex
