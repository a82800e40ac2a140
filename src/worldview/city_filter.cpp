#include "worldview/city_filter.h"

#include <cstdint>

namespace meridex {

namespace {

// The base letters of U+00C0..U+017F, one character per code point; digits
// stand for two letters and '*' for a character kept as it is.
constexpr std::string_view kLatin1 =
    "aaaaaa1ceeeeiiiidnooooo*ouuuuy23"   // U+00C0..U+00DF
    "aaaaaa1ceeeeiiiidnooooo*ouuuuy2y";  // U+00E0..U+00FF
constexpr std::string_view kExtendedA =
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii44jjkkkllllllllllnnnnnnnnnoooooo55rrrrrrssss"
    "sssstttttt"
    "uuuuuuuuuuuuwwyyyzzzzzzs";  // U+0100..U+017F
constexpr std::string_view kPairs[] = {"ae", "th", "ss", "ij", "oe"};

void AppendUtf8(std::string& out, std::uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The next code point of text from i on; a byte that starts no valid
// sequence is a Latin-1 character.
std::uint32_t NextCodePoint(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
  const std::uint8_t b = byte(i);
  const int length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
  if (length <= 1 || i + length > text.size()) {
    ++i;
    return b;
  }
  std::uint32_t c = b & (0x7F >> length);
  for (int k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) {
      ++i;
      return b;
    }
    c = (c << 6) | (byte(i + k) & 0x3F);
  }
  i += length;
  return c;
}

}  // namespace

std::string FoldForMatch(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::uint32_t c = NextCodePoint(text, i);
    char base = 0;
    if (c >= 0xC0 && c < 0x100) base = kLatin1[c - 0xC0];
    if (c >= 0x100 && c < 0x180) base = kExtendedA[c - 0x100];
    if (c < 0x80) {
      folded += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
    } else if (base >= '1' && base <= '5') {
      folded += kPairs[base - '1'];
    } else if (base != 0 && base != '*') {
      folded += base;
    } else {
      AppendUtf8(folded, c);
    }
  }
  return folded;
}

bool FilterMatches(std::string_view title, std::string_view typed) {
  if (typed.empty()) return true;
  return FoldForMatch(title).find(FoldForMatch(typed)) != std::string::npos;
}

}  // namespace meridex
