#pragma once

#include <cstdint>

namespace meridex {

// An opaque 24-bit colour of the label's drawing, one byte per channel.
struct EsColor {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;

  // The stored colour number: red in the low byte, blue in the third.
  static constexpr EsColor FromNumber(std::uint32_t number) {
    return {static_cast<std::uint8_t>(number & 0xFF),
            static_cast<std::uint8_t>((number >> 8) & 0xFF),
            static_cast<std::uint8_t>((number >> 16) & 0xFF)};
  }
  constexpr std::uint32_t number() const {
    return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
           (static_cast<std::uint32_t>(b) << 16);
  }
  friend constexpr bool operator==(const EsColor&, const EsColor&) = default;
};

// The colour in which gradient-filled text is first drawn, to be recoloured
// band by band; nothing else the label draws uses it.
inline constexpr EsColor kEsKeyColor{241, 9, 254};

}  // namespace meridex
