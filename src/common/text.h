#pragma once

#include <string>
#include <string_view>

namespace meridex {

// The text without trailing spaces.
inline std::string TrimRight(std::string_view text) {
  const std::size_t end = text.find_last_not_of(' ');
  return std::string(text.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

// The text padded with spaces (or cut) to exactly `width` characters.
inline std::string PadRight(std::string_view text, std::size_t width) {
  std::string padded(text.substr(0, width));
  padded.resize(width, ' ');
  return padded;
}

}  // namespace meridex
