#include "globe/globe_stream.h"

#include <algorithm>

#include "globe/globe_exception.h"

namespace meridex {

void TGlobeReader::Need(std::size_t n) const {
  if (n > Remaining()) throw EGlobeEndOfData();
}

void TGlobeReader::Skip(std::size_t n) {
  Need(n);
  pos_ += n;
}

std::uint8_t TGlobeReader::ReadByte() {
  Need(1);
  return data_[pos_++];
}

std::uint16_t TGlobeReader::ReadWord() {
  Need(2);
  const std::uint16_t v = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
  pos_ += 2;
  return v;
}

std::int32_t TGlobeReader::ReadInteger() {
  Need(4);
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | data_[pos_ + static_cast<std::size_t>(i)];
  pos_ += 4;
  return static_cast<std::int32_t>(v);
}

std::string TGlobeReader::ReadShortString() {
  const std::size_t n = ReadByte();
  Need(n);
  std::string text(reinterpret_cast<const char*>(data_.data() + pos_), n);
  pos_ += n;
  return text;
}

TLLPoint TGlobeReader::ReadLLPoint() {
  if (State.CoordinateDivisor == 1) {
    const std::int32_t x = ReadInteger();
    return {x, ReadInteger()};
  }
  const std::int64_t d = State.CoordinateDivisor;
  const std::int64_t x = ReadSmallInt();
  const std::int64_t y = ReadSmallInt();
  return {Wrap32(x * d), Wrap32(y * d)};
}

void TGlobeWriter::WriteWord(std::uint16_t v) {
  bytes_.push_back(static_cast<std::uint8_t>(v & 0xFF));
  bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void TGlobeWriter::WriteInteger(std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
}

void TGlobeWriter::WriteShortString(const std::string& text, std::size_t maxLength) {
  const std::size_t n = std::min({text.size(), maxLength, std::size_t{255}});
  WriteByte(static_cast<std::uint8_t>(n));
  bytes_.insert(bytes_.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n));
}

void TGlobeWriter::WriteLLPoint(TLLPoint p) {
  if (State.CoordinateDivisor == 1) {
    WriteInteger(p.X);
    WriteInteger(p.Y);
    return;
  }
  WriteSmallInt(static_cast<std::int16_t>(p.X / State.CoordinateDivisor));
  WriteSmallInt(static_cast<std::int16_t>(p.Y / State.CoordinateDivisor));
}

}  // namespace meridex
