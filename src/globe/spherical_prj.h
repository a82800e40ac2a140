#pragma once

#include <vector>

#include "globe/prj_model.h"
#include "globe/rotation.h"

namespace meridex {

// An orthographic view of the rotatable globe. The earth is a sphere of
// radius 309,393,000 GlobeUnits; x points to latitude 0 / longitude 0, y to
// the north pole, z to latitude 0 / longitude 90 E. With Z = 0 the middle of
// the visible hemisphere is at latitude XRotation and longitude
// -(YRotation + 90 degrees).
class TSphericalPrj : public TPrjModel {
 public:
  explicit TSphericalPrj(TProjectionHost& globe);

  // Clamps the tilt to +-90 degrees and wraps Y and Z below 180 degrees.
  void SetView(GlobeUnit x, GlobeUnit y, long double scale, GlobeUnit z) override;
  bool RectVisible(const TRect& rect, std::uint8_t& clipCode) override;
  bool RectVisibleKept(const TRect& rect, std::uint8_t& clipCode, TRectMemo& memo) override;
  // Builds the object's 3D cache on first use, then multiplies it by the
  // view matrix; hidden stretches run along the limb.
  int ProjectPointList(const TLLPointList& list, TProjectionCache& cache) override;
  bool LLToXY(GlobeUnit lon, GlobeUnit lat, int index) override;
  bool LLToXYKept(TLLPoint p, TPointMemo& memo, int index) override;
  bool XYToLL(int x, int y, int index) override;
  // 90 points on the limb, 4 degrees apart.
  int ProjectOutline() override;

  // Earth GlobeUnits -> pixel offsets; row 3 is depth.
  const TMatrix3& ViewMatrix() const { return viewMatrix_; }
  // Sets it directly (SetView makes it from the rotations and the scale).
  void SetViewMatrix(const TMatrix3& m);
  TMatrix3 InverseMatrix{};  // pixel offsets and depth -> earth GlobeUnits
  long double RadiusPixels = 0;

 private:
  void BuildCache(const TLLPointList& list, TProjectionCache& cache);
  // LLToXY from the sines and cosines of the longitude and latitude.
  bool Project(long double sinLon, long double cosLon, long double sinLat, long double cosLat,
               int index);
  // RectVisible with, when known, the corners' earth coordinates in doubles.
  bool RectVisibleFrom(const TRect& rect, std::uint8_t& clipCode, const double (*corners)[3]);
  // The sines and cosines of the rectangle's west, east, south and north edges.
  void EdgeTrig(const TRect& rect, long double* sin, long double* cos);
  // LLToXY from the earth coordinates.
  bool ProjectEarth(long double x, long double y, long double z, int index);
  // What doubles decide of an earth point given in doubles within a known
  // distance of its extended coordinates: hidden, shown (its pixel written
  // to entry index), or left to extended precision. error holds, for each
  // row of the view matrix, how far the point times the row in doubles may
  // lie from the same in extended precision: earthError_ for the nearest
  // doubles of the coordinates, nearError_ for coordinates made in doubles
  // alone.
  enum class TVerdict { Hidden, Shown, Undecided };
  TVerdict ProjectDoubles(double x, double y, double z, int index, const double* error);
  // Sine and cosine of an angle in GlobeUnits, remembered: the same corner
  // and grid angles come back on every redraw (a map's thousands of objects
  // have a few angles each).
  void SinCosGU(GlobeUnit angle, long double& sin, long double& cos);

  struct TrigEntry {
    GlobeUnit angle = 0;
    bool valid = false;
    long double sin = 0, cos = 1;
  };
  // Sets of two, the one used last first; the table grows while it misses
  // often (many objects), up to 65,536 sets.
  std::vector<TrigEntry> trig_ = std::vector<TrigEntry>(2 * 4096);
  TMatrix3 viewMatrix_{};
  // The view matrix in doubles, and how far an earth point times one of its
  // rows in doubles may lie from the same in extended precision.
  double viewDouble_[9] = {};
  double earthError_[3] = {};
  double nearError_[3] = {};
  double cacheError_[3] = {};  // the same for a cached point (32-bit coordinates)
  int trigShift_ = 20;         // 32 - log2(sets)
  std::uint32_t trigLookups_ = 0, trigMisses_ = 0;
  // The longitude and latitude of the last point projected afresh: lines
  // along a meridian or a parallel, and the corners of a rectangle, repeat
  // one of them. SinCosLast makes them those of a point.
  void SinCosLast(GlobeUnit lon, GlobeUnit lat);
  TrigEntry lastLon_, lastLat_;
};

}  // namespace meridex
