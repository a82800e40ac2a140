#include "globe/globe_poly_line.h"

#include <algorithm>
#include <cstdlib>

#include "globe/globe_layer.h"

namespace meridex {

// --- line

void TGlobePolyLine::WriteToStream(TGlobeWriter& stream) const {
  TGlobeObject::WriteToStream(stream);
  Points.WriteToStream(stream);
  WriteAttribute(stream, Pen);
}

void TGlobePolyLine::ReadFromStream(TGlobeReader& stream) {
  TGlobeObject::ReadFromStream(stream);
  if (stream.State.FileVersion < LAYER_VERSION_220) Location = stream.ReadLLPoint();
  Points.ReadFromStream(stream, Location);
  ReadAttribute(stream, 0);
}

void TGlobePolyLine::SetLocation(TLLPoint p) {
  const std::int64_t dx = std::int64_t{p.X} - Location.X;
  const std::int64_t dy = std::int64_t{p.Y} - Location.Y;
  TLLPoint* v = Points.MutablePoints();
  for (std::int32_t i = 0; i < Points.Count(); ++i)
    v[i] = {Wrap32(v[i].X + dx), Wrap32(v[i].Y + dy)};
  TGlobeObject::SetLocation(p);
}

TGlobeAttribute* TGlobePolyLine::GetAttribute(int index) const {
  return index == 0 ? Pen : nullptr;
}

void TGlobePolyLine::SetAttribute(int index, TGlobeAttribute* attribute) {
  if (index != 0) return;
  if (auto* pen = dynamic_cast<TGlobePen*>(attribute)) Pen = pen;
}

bool TGlobePolyLine::CalcVisible() {
  return Globe().PrjModel().RectVisibleKept(Extent, ClipCode, ProjectionCache.Extent);
}

namespace {

// Up to the first kilobyte of bytes at data: most lines are shorter, and
// the processor streams the rest of a longer one by itself.
void FetchStart(const void* data, std::size_t bytes) {
  const char* start = static_cast<const char*>(data);
  bytes = std::min<std::size_t>(bytes, 1024);
  for (std::size_t at = 0; at < bytes; at += 64) __builtin_prefetch(start + at);
}

}  // namespace

void TGlobePolyLine::Prefetch(bool viewChanged) const {
  // The object up to its extent's corners, or all of it when its extent is
  // to be made again; and, when it was on screen (an object seldom goes from
  // the hidden side to the screen in one step), what its projection reads:
  // its kept points, or after a zoom, which picks its vertices again, the
  // vertices and their earth coordinates.
  const char* from = reinterpret_cast<const char*>(this);
  const char* to = viewChanged ? from + sizeof(TGlobePolyLine)
                               : reinterpret_cast<const char*>(&ProjectionCache.Extent.Corners[4]);
  for (const char* line = from; line < to; line += 64) __builtin_prefetch(line);
  if (!(ObjectState & OS_ON_SCREEN)) return;
  if (viewChanged) {
    const auto count = static_cast<std::size_t>(Points.Count());
    FetchStart(Points.Points(), count * sizeof(TLLPoint));
    const TProjectionCache& cache = ProjectionCache;
    if (cache.Earth.size() == count) {
      FetchStart(cache.Earth.data(), count * sizeof(T3DPoint));
      FetchStart(cache.EarthMade.data(), cache.EarthMade.size() * sizeof(std::uint64_t));
    }
  } else if (ProjectionCache.Decimated) {
    const std::pmr::vector<T3DPoint>& kept = ProjectionCache.Decimated->Points;
    FetchStart(kept.data(), kept.size() * sizeof(T3DPoint));
  }
}

void TGlobePolyLine::Render() {
  if (Pen) Pen->Realize(ObjectState);
  TPrjModel& model = Globe().PrjModel();
  int n = model.ProjectPointList(Points, ProjectionCache);
  if (n < 2) return;
  if (ClipCode != 0) {
    n = model.ClipPolyPoints(n, false, ClipCode);
    if (n < 2) return;
  }
  Globe().DrawingCanvas().Polyline(model.Buffers().Points.data(), n);
}

void TGlobePolyLine::CalcExtent() {
  ProjectionCache.Discard();
  // The box of the vertices does not depend on the view: after a zoom it
  // is that of the last time, unless the vertices changed.
  if (!boxKnown_ || boxVersion_ != Points.Version()) {
    std::int64_t left = INT32_MAX, top = INT32_MAX, right = -INT32_MAX, bottom = -INT32_MAX;
    const TLLPoint* v = Points.Points();
    for (std::int32_t i = 0; i < Points.Count(); ++i) {
      if (v[i].X < left) left = std::int64_t{v[i].X} - 1;
      if (v[i].Y < top) top = std::int64_t{v[i].Y} - 1;
      if (v[i].X > right) right = std::int64_t{v[i].X} + 1;
      if (v[i].Y > bottom) bottom = std::int64_t{v[i].Y} + 1;
    }
    box_ = {left, top, right, bottom};
    boxVersion_ = Points.Version();
    boxKnown_ = true;
  }
  const auto [left, top, right, bottom] = box_;
  Extent = {Wrap32(left), Wrap32(top), Wrap32(right), Wrap32(bottom)};
  const std::int64_t upp = Globe().PrjModel().UnitsPerPixel;
  if (right - left <= upp && bottom - top <= upp) ObjectState |= OS_TOO_SMALL;
  Location = {Wrap32(left + (right - left) / 2), Wrap32(top + (bottom - top) / 2)};
}

bool TGlobePolyLine::PtInObject(GlobeUnit lon, GlobeUnit lat) {
  if (!TGlobeObject::PtInObject(lon, lat) || Points.Count() < 2) return false;
  const std::int64_t t = Globe().PrjModel().UnitsPerPixel;
  const std::int64_t px = lon, py = lat;
  const TLLPoint* v = Points.Points();
  for (std::int32_t i = 1; i < Points.Count(); ++i) {
    const std::int64_t x1 = v[i - 1].X, y1 = v[i - 1].Y, x2 = v[i].X, y2 = v[i].Y;
    if (px < std::min(x1, x2) - t || px > std::max(x1, x2) + t) continue;
    if (py < std::min(y1, y2) - t || py > std::max(y1, y2) + t) continue;
    // Compares the slopes towards both ends; a zero divisor fails the segment.
    if (px == x1 || px == x2) continue;
    const std::int64_t a = (py - y1) / (px - x1);
    const std::int64_t b = (y2 - py) / (x2 - px);
    if (std::llabs(a - b) < t) return true;
  }
  return false;
}

// --- polygon

void TGlobePolygon::WriteToStream(TGlobeWriter& stream) const {
  TGlobePolyLine::WriteToStream(stream);
  WriteAttribute(stream, Brush);
}

void TGlobePolygon::ReadFromStream(TGlobeReader& stream) {
  TGlobePolyLine::ReadFromStream(stream);
  ReadAttribute(stream, 1);
}

TGlobeAttribute* TGlobePolygon::GetAttribute(int index) const {
  return index == 1 ? Brush : TGlobePolyLine::GetAttribute(index);
}

void TGlobePolygon::SetAttribute(int index, TGlobeAttribute* attribute) {
  if (index == 1) {
    if (auto* brush = dynamic_cast<TGlobeBrush*>(attribute)) Brush = brush;
    return;
  }
  TGlobePolyLine::SetAttribute(index, attribute);
}

void TGlobePolygon::Prefetch(bool viewChanged) const {
  TGlobePolyLine::Prefetch(viewChanged);
  if (ObjectState & OS_ON_SCREEN) __builtin_prefetch(&Brush);
}

void TGlobePolygon::Render() {
  if (Pen) Pen->Realize(ObjectState);
  if (Brush) Brush->Realize(ObjectState);
  TPrjModel& model = Globe().PrjModel();
  int n = model.ProjectPointList(Points, ProjectionCache);
  if (n < 3) return;
  if (ClipCode != 0) {
    n = model.ClipPolyPoints(n, true, ClipCode);
    if (n < 3) return;
  }
  Globe().DrawingCanvas().Polygon(model.Buffers().Points.data(), n);
}

bool TGlobePolygon::PtInObject(GlobeUnit lon, GlobeUnit lat) {
  if (!TGlobeObject::PtInObject(lon, lat) || Points.Count() == 0) return false;
  const std::int64_t px = lon, py = lat;
  const TLLPoint* v = Points.Points();
  std::int64_t prevX = v[Points.Count() - 1].X, prevY = v[Points.Count() - 1].Y;
  bool inside = false;
  for (std::int32_t i = 0; i < Points.Count(); ++i) {
    const std::int64_t x = v[i].X, y = v[i].Y;
    if (((py >= y && py < prevY) || (py >= prevY && py < y)) &&
        x + MulDiv64(prevX - x, py - y, prevY - y) > px)
      inside = !inside;
    prevX = x;
    prevY = y;
  }
  return inside;
}

}  // namespace meridex
