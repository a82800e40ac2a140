#include "globe/globe_grid.h"

#include <cstdlib>

#include "globe/globe_layer.h"

namespace meridex {

void TGlobeGrid::WriteToStream(TGlobeWriter& stream) const {
  TGlobeObject::WriteToStream(stream);
  stream.WriteLLPoint({Extent.Right, Extent.Bottom});
  stream.WriteInteger(LonStep);
  stream.WriteInteger(LatStep);
  stream.WriteInteger(LonSubStep);
  stream.WriteInteger(LatSubStep);
  WriteAttribute(stream, MajorPen);
  WriteAttribute(stream, MinorPen);
}

void TGlobeGrid::ReadFromStream(TGlobeReader& stream) {
  TGlobeObject::ReadFromStream(stream);
  if (stream.State.FileVersion < LAYER_VERSION_220) stream.ReadLLPoint();
  // The record holds only the far corner; the near one is the location.
  const TLLPoint corner = stream.ReadLLPoint();
  Extent = {Location.X, Location.Y, corner.X, corner.Y};
  LonStep = stream.ReadInteger();
  LatStep = stream.ReadInteger();
  LonSubStep = stream.ReadInteger();
  LatSubStep = stream.ReadInteger();
  ReadAttribute(stream, 0);
  ReadAttribute(stream, 1);
}

TGlobeAttribute* TGlobeGrid::GetAttribute(int index) const {
  return index == 0 ? MajorPen : index == 1 ? MinorPen : nullptr;
}

void TGlobeGrid::SetAttribute(int index, TGlobeAttribute* attribute) {
  auto* pen = dynamic_cast<TGlobePen*>(attribute);
  if (!pen) return;
  if (index == 0) MajorPen = pen;
  if (index == 1) MinorPen = pen;
}

namespace {

// Number of lines from `from` while below `to` in steps of `step`; 0 when
// the step cannot advance.
std::int64_t LineCount(std::int64_t from, std::int64_t to, std::int64_t step) {
  if (step <= 0 || to <= from) return 0;
  return (to - from + step - 1) / step;
}

}  // namespace

void TGlobeGrid::Render() {
  TGlobeEngine& globe = Globe();
  const std::int64_t left = Extent.Left, top = Extent.Top, right = Extent.Right,
                     bottom = Extent.Bottom;
  // A step of 0 or less cannot be drawn (it would never advance); such a
  // direction, and one with absurdly many lines, is left out. All stepping
  // is in 64 bits so that it cannot wrap past the end of the 32-bit range.
  const std::int64_t columns = LineCount(left, right, LonStep);
  const std::int64_t rows = LineCount(top, bottom, LatStep);
  const bool drawColumns = columns > 0 && columns <= kMaxLines;
  const bool drawRows = rows > 0 && rows <= kMaxLines;
  const std::int64_t sLon = drawColumns ? std::llabs((right - left) / LonStep) : 0;
  const std::int64_t sLat = drawRows ? std::llabs((bottom - top) / LatStep) : 0;
  const auto line = [&](std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                        std::int64_t steps) {
    globe.DrawLLLine({Wrap32(x1), Wrap32(y1)}, {Wrap32(x2), Wrap32(y2)}, steps);
  };

  if (MinorPen) MinorPen->Realize(ObjectState);
  if (drawColumns && LonSubStep > 0 && columns * LineCount(0, LonStep, LonSubStep) <= kMaxLines) {
    for (std::int64_t lon = left; lon < right; lon += LonStep)
      for (std::int64_t m = lon + LonSubStep; m < lon + LonStep; m += LonSubStep)
        line(m, top, m, bottom, sLon);
  }
  if (drawRows && LatSubStep > 0 && rows * LineCount(0, LatStep, LatSubStep) <= kMaxLines) {
    for (std::int64_t lat = top; lat < bottom; lat += LatStep)
      for (std::int64_t m = lat + LatSubStep; m < lat + LatStep; m += LatSubStep)
        line(left, m, right, m, sLat);
  }

  if (MajorPen) MajorPen->Realize(ObjectState);
  if (drawColumns) {
    for (std::int64_t lon = left; lon < right; lon += LonStep) line(lon, top, lon, bottom, sLon);
    line(right, top, right, bottom, sLon);
  }
  if (drawRows) {
    for (std::int64_t lat = top; lat < bottom; lat += LatStep) line(left, lat, right, lat, sLat);
    line(left, bottom, right, bottom, sLat);
  }
}

}  // namespace meridex
