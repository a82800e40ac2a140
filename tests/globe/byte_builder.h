#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace meridex::test {

// Spells out a layer file byte by byte, little-endian.
class ByteBuilder {
 public:
  ByteBuilder& u8(int v) {
    bytes.push_back(static_cast<std::uint8_t>(v));
    return *this;
  }
  ByteBuilder& i16(int v) { return u8(v & 0xFF).u8((v >> 8) & 0xFF); }
  ByteBuilder& i32(std::int64_t v) {
    return i16(static_cast<int>(v & 0xFFFF)).i16(static_cast<int>((v >> 16) & 0xFFFF));
  }
  ByteBuilder& str(const std::string& s) {
    u8(static_cast<int>(s.size()));
    bytes.insert(bytes.end(), s.begin(), s.end());
    return *this;
  }
  std::vector<std::uint8_t> bytes;
};

}  // namespace meridex::test
