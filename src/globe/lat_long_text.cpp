#include "globe/lat_long_text.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace meridex {

namespace {

std::string TwoDigits(int v) {
  char text[16];
  std::snprintf(text, sizeof text, "%2.2d", v);
  return text;
}

}  // namespace

std::string FormatLatLong(GlobeUnit value, std::string_view format) {
  const bool negative = value < 0;
  // Truncating division, remainders keep the sign of the value.
  const int degrees = value / GU_DEGREE;
  int r = value % GU_DEGREE;
  const int minutes = r / GU_MINUTE;
  r %= GU_MINUTE;
  const int seconds = r / GU_SECOND;
  r %= GU_SECOND;
  const int sixths = r / GU_SIXTH_SECOND;
  const int rest = r % GU_SIXTH_SECOND;

  std::string out;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') {
      out += format[i];
      continue;
    }
    if (++i >= format.size()) break;
    const char code = static_cast<char>(std::toupper(static_cast<unsigned char>(format[i])));
    switch (code) {
      case 'D':
        out += std::to_string(std::abs(degrees));
        break;
      case 'M':
        out += TwoDigits(std::abs(minutes));
        break;
      case 'S':
        out += TwoDigits(std::abs(seconds));
        break;
      case 'T':
        out += TwoDigits(std::abs(sixths));
        break;
      case 'U':
        out += TwoDigits(std::abs(rest));
        break;
      case 'E':
        out += negative ? 'W' : 'E';
        break;
      case 'N':
        out += negative ? 'S' : 'N';
        break;
      default:
        out += code;
    }
  }
  return out;
}

}  // namespace meridex
