#include "globe/prj_model.h"

#include <cstdlib>

#include "globe/globe_units.h"

namespace meridex {

TPrjModel::TPrjModel(TProjectionHost& globe) : globe_(globe), buffers_(globe.Buffers()) {}

TPrjModel::~TPrjModel() = default;

void TPrjModel::SetView(GlobeUnit x, GlobeUnit y, long double scale, GlobeUnit z) {
  UnitsPerPixel = Round32(1.0L / scale);
  XRotation = x;
  YRotation = y;
  ZRotation = z;
  Scale = scale;
  UnitsPerInch = Round32(globe_.PixelsPerInch() / scale);
  globe_.Redraw();
}

bool TPrjModel::LLToXYKept(TLLPoint p, TPointMemo&, int index) { return LLToXY(p.X, p.Y, index); }

int TPrjModel::ProjectPointList(const TLLPointList& list, TProjectionCache&) {
  buffers_.Reserve(static_cast<std::size_t>(list.Count()) + 1);
  TLLPoint last{INT32_MAX, INT32_MAX};
  int n = 0;
  const TLLPoint* points = list.Points();
  for (std::int32_t i = 0; i < list.Count(); ++i) {
    if (Accept(last, points[i]) && LLToXY(points[i].X, points[i].Y, n)) ++n;
  }
  return n;
}

bool TPrjModel::RectVisible(const TRect& rect, std::uint8_t& clipCode) {
  // Corners beyond the map (Mercator beyond 86 degrees) would not project;
  // clamp the rectangle to the map first so both corners always do.
  TRect r = rect;
  r.Left = Max(r.Left, Extents.Left);
  r.Top = Max(r.Top, Extents.Top);
  r.Right = Min(r.Right, Extents.Right);
  r.Bottom = Min(r.Bottom, Extents.Bottom);
  if (r.Left > r.Right || r.Top > r.Bottom) return false;
  LLToXY(r.Left, r.Top, 0);
  LLToXY(r.Right, r.Bottom, 1);
  bool visible = false;
  clipCode = PointsClipCode(2, visible);
  return visible;
}

int TPrjModel::ProjectOutline() {
  LLToXY(Extents.Left, Extents.Top, 0);
  LLToXY(Extents.Right, Extents.Top, 1);
  LLToXY(Extents.Right, Extents.Bottom, 2);
  LLToXY(Extents.Left, Extents.Bottom, 3);
  return 4;
}

std::uint8_t TPrjModel::PointsClipCode(int count, bool& visible) {
  buffers_.Reserve(static_cast<std::size_t>(count < 0 ? 0 : count));
  return meridex::PointsClipCode(buffers_.Points.data(), count, globe_.ClipRect(), visible);
}

int TPrjModel::ClipPolyPoints(int count, bool closed, std::uint8_t mask) {
  return meridex::ClipPolyPoints(buffers_, count, closed, mask, globe_.ClipRect());
}

}  // namespace meridex
