// The point-list record of layer files (the vertices of lines and polygons):
//   list version  uint8, only in files of version 0x220 (written as 1)
//   count         uint16
//   mode          uint8: 0 absolute, 1 8-bit deltas, 2 16-bit deltas
//   first vertex  coordinate, only in files of version 0x220 (older files
//                 take the object's location)
//   vertices 2 .. count, per mode.
// With D = CoordinateDivisor, deltas count in units of D: the running
// position is the first vertex div D. A (0, 0) delta is an escape and an
// absolute position follows: mode 1 as a coordinate divided by D, mode 2 as
// two int32 GlobeUnits taken as they stand.
//
// Mode 2 in files with D = 90,000 (arc minutes): deltas are in arc minutes
// like mode 1's and vertices are the running position times D; an escape
// gives the vertex exactly and moves the running position to it (div D).
// This is what the writer below produces, so such lists read back the
// vertices written (to the arc minute). Files with D = 1 are not affected.
#include <cstdlib>

#include "globe/globe_exception.h"
#include "globe/globe_stream.h"
#include "globe/ll_point_list.h"

namespace meridex {

namespace {

constexpr std::uint32_t kMaxRecordPoints = 0xFFFF;

// The fewest bytes one further vertex takes in a mode.
std::size_t MinVertexBytes(std::uint8_t mode, bool scaled) {
  switch (mode) {
    case 0:
      return scaled ? 4 : 8;
    case 1:
      return 2;
    default:
      return 4;
  }
}

}  // namespace

void TLLPointList::ReadFromStream(TGlobeReader& stream, TLLPoint firstPoint) {
  const TLoadState& state = stream.State;
  const bool v220 = state.FileVersion == LAYER_VERSION_220;
  const std::int64_t d = state.CoordinateDivisor;
  const bool scaled = d > 1;
  if (v220) stream.ReadByte();  // list version, not used
  const std::uint16_t count = stream.ReadWord();
  const std::uint8_t mode = stream.ReadByte();
  if (mode > 2) throw EGlobeDataError(FormatText("Unknown point list mode %u", unsigned{mode}));
  const TLLPoint first = v220 ? stream.ReadLLPoint() : firstPoint;
  if (count == 0) {
    SetCount(0);
    return;
  }
  // Never allocate more points than the rest of the data can hold.
  if ((count - 1u) * MinVertexBytes(mode, scaled) > stream.Remaining()) throw EGlobeEndOfData();
  SetCount(count);
  TLLPoint* out = MutablePoints();
  out[0] = first;
  std::int32_t a = static_cast<std::int32_t>(first.X / d);
  std::int32_t c = static_cast<std::int32_t>(first.Y / d);
  const auto scaledPoint = [d](std::int32_t x, std::int32_t y) {
    return TLLPoint{Wrap32(x * d), Wrap32(y * d)};
  };
  for (std::uint32_t i = 1; i < count; ++i) {
    switch (mode) {
      case 0:
        if (scaled) {
          const std::int16_t x = stream.ReadSmallInt();
          out[i] = scaledPoint(x, stream.ReadSmallInt());
        } else {
          out[i] = stream.ReadLLPoint();
        }
        break;
      case 1: {
        const std::int8_t dx = stream.ReadShortInt();
        const std::int8_t dy = stream.ReadShortInt();
        if (dx == 0 && dy == 0) {
          a = scaled ? stream.ReadSmallInt() : stream.ReadInteger();
          c = scaled ? stream.ReadSmallInt() : stream.ReadInteger();
        } else {
          a = Wrap32(std::int64_t{a} + dx);
          c = Wrap32(std::int64_t{c} + dy);
        }
        out[i] = scaledPoint(a, c);
        break;
      }
      default: {
        const std::int16_t dx = stream.ReadSmallInt();
        const std::int16_t dy = stream.ReadSmallInt();
        if (dx == 0 && dy == 0) {
          const std::int32_t x = stream.ReadInteger();
          const std::int32_t y = stream.ReadInteger();
          out[i] = {x, y};
          a = static_cast<std::int32_t>(x / d);
          c = static_cast<std::int32_t>(y / d);
        } else {
          a = Wrap32(std::int64_t{a} + dx);
          c = Wrap32(std::int64_t{c} + dy);
          out[i] = scaledPoint(a, c);
        }
        break;
      }
    }
  }
}

void TLLPointList::WriteToStream(TGlobeWriter& stream) const {
  if (static_cast<std::uint32_t>(count_) > kMaxRecordPoints)
    throw EGlobeException::Fmt("TLLPointList.WriteToStream: Too many points %d (at most 65535)",
                               count_);
  const std::int64_t d = stream.State.CoordinateDivisor;
  const bool scaled = d > 1;
  const std::int64_t s = scaled ? 4 : 8;  // bytes of one absolute vertex
  // Deltas between the vertices as the reader's running position sees them.
  const auto delta = [&](std::int32_t i) {
    const TLLPoint& p = points_[static_cast<std::size_t>(i - 1)];
    const TLLPoint& v = points_[static_cast<std::size_t>(i)];
    return std::pair<std::int64_t, std::int64_t>{v.X / d - p.X / d, v.Y / d - p.Y / d};
  };
  const auto escape = [](std::pair<std::int64_t, std::int64_t> dd, std::int64_t limit) {
    return (dd.first == 0 && dd.second == 0) || std::llabs(dd.first) > limit ||
           std::llabs(dd.second) > limit;
  };
  std::int64_t escapes1 = 0, escapes2 = 0;
  for (std::int32_t i = 1; i < count_; ++i) {
    escapes1 += escape(delta(i), 127);
    escapes2 += escape(delta(i), 32767);
  }
  const std::int64_t size1 = std::int64_t{count_} * 2 + escapes1 * s;
  const std::int64_t size2 = std::int64_t{count_} * 4 + escapes2 * s;
  const std::int64_t size0 = std::int64_t{count_} * s;
  std::uint8_t mode = size1 <= size2 ? 1 : 2;
  if (size0 < size1 && size0 < size2) mode = 0;

  stream.WriteByte(1);
  stream.WriteWord(static_cast<std::uint16_t>(count_));
  stream.WriteByte(mode);
  stream.WriteLLPoint(count_ > 0 ? points_[0] : TLLPoint{});
  for (std::int32_t i = 1; i < count_; ++i) {
    const TLLPoint& v = points_[static_cast<std::size_t>(i)];
    const auto dd = delta(i);
    if (mode == 0) {
      stream.WriteLLPoint(v);
    } else if (mode == 1) {
      if (escape(dd, 127)) {
        stream.WriteShortInt(0);
        stream.WriteShortInt(0);
        stream.WriteLLPoint(v);
      } else {
        stream.WriteShortInt(static_cast<std::int8_t>(dd.first));
        stream.WriteShortInt(static_cast<std::int8_t>(dd.second));
      }
    } else {
      if (escape(dd, 32767)) {
        stream.WriteSmallInt(0);
        stream.WriteSmallInt(0);
        stream.WriteInteger(v.X);
        stream.WriteInteger(v.Y);
      } else {
        stream.WriteSmallInt(static_cast<std::int16_t>(dd.first));
        stream.WriteSmallInt(static_cast<std::int16_t>(dd.second));
      }
    }
  }
}

}  // namespace meridex
