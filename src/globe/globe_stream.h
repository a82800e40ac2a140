#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "globe/globe_types.h"

namespace meridex {

inline constexpr std::uint16_t LAYER_VERSION_202 = 0x202;
inline constexpr std::uint16_t LAYER_VERSION_210 = 0x210;
inline constexpr std::uint16_t LAYER_VERSION_220 = 0x220;

// What the records of a layer file need to know about the file being read
// or written: its version, how coordinates are stored (1 = 32-bit
// GlobeUnits, 90,000 = 16-bit arc minutes) and the data version of the
// current class block.
struct TLoadState {
  std::uint16_t FileVersion = LAYER_VERSION_220;
  std::int32_t CoordinateDivisor = 1;
  std::uint16_t ClassDataVersion = 0;
};

// Reads little-endian values from a layer file held in memory. Every read is
// checked against the end of the data: reading past it throws
// EGlobeEndOfData, so a truncated file can never be read beyond its end.
class TGlobeReader {
 public:
  explicit TGlobeReader(std::span<const std::uint8_t> data, TLoadState state = {})
      : data_(data), State(state) {}
  // The reader keeps only a view of the data; it must outlive the reader.
  TGlobeReader(std::vector<std::uint8_t>&&, TLoadState = {}) = delete;

  std::size_t Position() const { return pos_; }
  std::size_t Remaining() const { return data_.size() - pos_; }
  bool AtEnd() const { return pos_ >= data_.size(); }

  std::uint8_t ReadByte();
  std::int8_t ReadShortInt() { return static_cast<std::int8_t>(ReadByte()); }
  std::uint16_t ReadWord();
  std::int16_t ReadSmallInt() { return static_cast<std::int16_t>(ReadWord()); }
  std::int32_t ReadInteger();
  // A length byte n, then n characters.
  std::string ReadShortString();
  // Two 32-bit values, or two 16-bit values times CoordinateDivisor.
  TLLPoint ReadLLPoint();
  void Skip(std::size_t n);

 private:
  void Need(std::size_t n) const;

  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;

 public:
  TLoadState State;
};

// Builds a layer file in memory, little-endian.
class TGlobeWriter {
 public:
  explicit TGlobeWriter(TLoadState state = {}) : State(state) {}

  void WriteByte(std::uint8_t v) { bytes_.push_back(v); }
  void WriteShortInt(std::int8_t v) { WriteByte(static_cast<std::uint8_t>(v)); }
  void WriteWord(std::uint16_t v);
  void WriteSmallInt(std::int16_t v) { WriteWord(static_cast<std::uint16_t>(v)); }
  void WriteInteger(std::int32_t v);
  // Texts longer than maxLength characters are cut.
  void WriteShortString(const std::string& text, std::size_t maxLength = 255);
  // Two 32-bit values, or, scaled, each value divided (toward zero) by
  // CoordinateDivisor as a 16-bit value.
  void WriteLLPoint(TLLPoint p);

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;

 public:
  TLoadState State;
};

}  // namespace meridex
