#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <memory_resource>
#include <optional>
#include <vector>

#include "globe/clipper.h"
#include "globe/globe_types.h"
#include "globe/ll_point_list.h"
#include "globe/point_buffer.h"

namespace meridex {

// What a projection model needs from the globe that owns it.
class TProjectionHost {
 public:
  virtual ~TProjectionHost() = default;
  // The view changed: the cached picture must be rendered again.
  virtual void Redraw() = 0;
  // The clip rectangle of the drawing surface, in pixels (Right and Bottom
  // exclusive); the clipping window of every projection.
  virtual TRect ClipRect() const = 0;
  // The screen's vertical pixels per inch.
  virtual int PixelsPerInch() const = 0;
  // The buffers the globe's projections write into; they outlive its models.
  virtual TPointBuffers& Buffers() = 0;
};

// What a model keeps of one point of an object between paints, so that the
// next projection of it needs no trigonometry: the sphere its earth
// coordinates, the Mercator map its height. It remembers the point and the
// kind of model, and is made afresh when either differs.
struct TPointMemo {
  TLLPoint Point;
  // 0: nothing kept; 1 and 3: the sphere's, 2: the Mercator map's.
  std::uint8_t Kind = 0;
  long double A = 0, B = 0, C = 0;
  // The nearest doubles of A, B and C, or (the sphere's kind 3) coordinates
  // made in doubles alone.
  double Near[3] = {};
};

// The nearest doubles of a rectangle's corners' earth coordinates
// (south-west, north-east, south-east, north-west), for the rectangle they
// were computed from. The edges' sines and cosines are looked up again in
// the few cases doubles do not decide: kept here, they would make every
// object two cache lines longer.
struct TRectMemo {
  TRect Rect;
  bool Valid = false;
  double Corners[4][3] = {};
};

// What a globe object keeps of its projections between paints.
struct TProjectionCache {
  // Everything below comes from memory (an object's from its layer's),
  // except the picked points, which come from kept (its layer's kept memory).
  TProjectionCache() = default;
  TProjectionCache(std::pmr::memory_resource& memory, std::pmr::memory_resource& kept)
      : Earth(&memory),
        EarthMade(&memory),
        MercatorLatitudes(&memory),
        MercatorHeights(&memory),
        Spare(&kept) {}
  std::pmr::memory_resource& KeptMemory() const { return *Spare.get_allocator().resource(); }

  // The sphere's earth coordinates of the vertices the zoom keeps (one per
  // pixel step). Made at the first spherical projection, in storage just
  // large enough for them (or in the storage of the last picks, when they
  // fit); the object discards it when it must be projected afresh (after a
  // zoom).
  std::optional<TWorld3DPrjData> Decimated;  // in place: one pointer fewer to follow
  // For the sphere's visibility test of the extent (beside the above: each
  // paint reads both).
  TRectMemo Extent;
  // Every vertex's earth coordinates and Mercator height, which do not
  // depend on the view and so outlive zooms: a zoom only picks the vertices
  // again. The earth coordinates are made as picks first need them (a bit
  // per vertex tells which are made) and hold for the list at EarthVersion;
  // a list changed since makes them afresh. Each Mercator entry remembers its
  // latitude, so a vertex that moved is computed afresh.
  std::pmr::vector<T3DPoint> Earth;
  std::pmr::vector<std::uint64_t> EarthMade;
  std::uint64_t EarthVersion = 0;
  std::pmr::vector<GlobeUnit> MercatorLatitudes;
  std::pmr::vector<long double> MercatorHeights;

  // What the object gives up when its extent is recomputed (its storage is
  // kept for the next one).
  void Discard() {
    if (!Decimated) return;
    Spare = std::move(Decimated->Points);
    Decimated.reset();
  }
  std::pmr::vector<T3DPoint> Spare;
};

// A projection: turns TLLPoints (GlobeUnits) into pixel positions of the
// globe control and back. Every result goes to the globe's point buffer, at
// the index the caller passes. A model does not draw and does not own the
// globe; it carries the view (rotations, scale, centre).
class TPrjModel {
 public:
  explicit TPrjModel(TProjectionHost& globe);
  virtual ~TPrjModel();
  TPrjModel(const TPrjModel&) = delete;
  TPrjModel& operator=(const TPrjModel&) = delete;

  // Rotations in GlobeUnits, scale in pixels per GlobeUnit. Derives
  // UnitsPerPixel and UnitsPerInch and asks the globe to redraw.
  virtual void SetView(GlobeUnit x, GlobeUnit y, long double scale, GlobeUnit z);
  // rect: west, south, east, north. True when part of it can show in the
  // clipping window; clipCode receives the edges the clipper must handle.
  virtual bool RectVisible(const TRect& rect, std::uint8_t& clipCode);
  // The same for an object's extent, keeping what it can in memo; the
  // result is exactly RectVisible's.
  virtual bool RectVisibleKept(const TRect& rect, std::uint8_t& clipCode, TRectMemo& memo);
  // Projects list into buffer entries 0..n-1 (pixels) and returns n. Points
  // closer than one pixel to the previous accepted point are left out.
  virtual int ProjectPointList(const TLLPointList& list, TProjectionCache& cache);
  // Writes the pixel of (lon, lat) to entry index and returns true when the
  // point is visible; otherwise leaves the entry alone.
  virtual bool LLToXY(GlobeUnit lon, GlobeUnit lat, int index) = 0;
  // The same for a point of an object that keeps memo for it: the result is
  // exactly LLToXY's.
  virtual bool LLToXYKept(TLLPoint p, TPointMemo& memo, int index);
  // Writes the TLLPoint under pixel (x, y) to entry index and returns true
  // when the pixel lies on the globe or map; otherwise writes nothing.
  virtual bool XYToLL(int x, int y, int index) = 0;
  // Writes the outline of the globe disc or map rectangle; returns its count.
  virtual int ProjectOutline();

  // Classifies entries 0..count-1 against the globe's clip rectangle.
  std::uint8_t PointsClipCode(int count, bool& visible);
  // Clips entries 0..count-1 against the globe's clip rectangle.
  int ClipPolyPoints(int count, bool closed, std::uint8_t mask);

  TLLPoint& Point(int index) { return buffers_.At(static_cast<std::size_t>(index)); }
  TPointBuffers& Buffers() { return buffers_; }
  TProjectionHost& Globe() { return globe_; }

  // West, south, east, north limits in GlobeUnits.
  TRect Extents;
  long double Scale = 1.0L;       // pixels per GlobeUnit
  std::int32_t UnitsPerInch = 0;  // GlobeUnits per screen inch
  GlobeUnit XRotation = 162'000'000;
  GlobeUnit YRotation = -486'000'000;
  GlobeUnit ZRotation = 0;
  std::int32_t CenterX = 0;  // pixel onto which the projection's origin falls
  std::int32_t CenterY = 0;
  std::int32_t UnitsPerPixel = 0;  // GlobeUnits per pixel, rounded

 protected:
  // Whether a point is far enough from the last accepted one to be projected
  // (inline: every vertex of every line passes here after a zoom).
  bool Accept(TLLPoint& last, const TLLPoint& p) const {
    if (UnitsPerPixel <= 1 || std::llabs(std::int64_t{last.X} - p.X) >= UnitsPerPixel ||
        std::llabs(std::int64_t{last.Y} - p.Y) >= UnitsPerPixel) {
      last = p;
      return true;
    }
    return false;
  }

 private:
  TProjectionHost& globe_;
  TPointBuffers& buffers_;
};

}  // namespace meridex
