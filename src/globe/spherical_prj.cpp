#include "globe/spherical_prj.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "globe/globe_units.h"

namespace meridex {

namespace {

struct EarthPoint {
  long double x, y, z;
};

EarthPoint ToEarth(GlobeUnit lon, GlobeUnit lat) {
  long double sinLon, cosLon, sinLat, cosLat;
  SinCos(lon * RADIANS_PER_GU, sinLon, cosLon);
  SinCos(lat * RADIANS_PER_GU, sinLat, cosLat);
  const long double r = EARTH_RADIUS;
  return {r * cosLat * cosLon, r * sinLat, r * cosLat * sinLon};
}

// Wraps an angle into -180 degrees up to (excluding) 180 degrees; values
// below -180 degrees stay as they are (the remainder keeps the dividend's sign).
GlobeUnit WrapRotation(GlobeUnit v) { return Wrap32((std::int64_t{v} + GU_180) % GU_360 - GU_180); }

}  // namespace

TSphericalPrj::TSphericalPrj(TProjectionHost& globe) : TPrjModel(globe) {
  Extents = {-EARTH_RADIUS, -EARTH_RADIUS, EARTH_RADIUS, EARTH_RADIUS};
}

void TSphericalPrj::SetView(GlobeUnit x, GlobeUnit y, long double scale, GlobeUnit z) {
  x = Min(Max(x, -GU_90), GU_90);
  y = WrapRotation(y);
  z = WrapRotation(z);
  TPrjModel::SetView(x, y, scale, z);
  RadiusPixels = scale * EARTH_RADIUS;
  const TMatrix3 m = QuaternionToMatrix(AnglesToQuaternion(x, y, z));
  InverseMatrix = TransposeMatrix(m);
  ScaleMatrix(InverseMatrix, 1.0L / scale);
  ViewMatrix = m;
  ScaleMatrix(ViewMatrix, scale);
}

void TSphericalPrj::SinCosGU(GlobeUnit angle, long double& sin, long double& cos) {
  const std::uint32_t hash = static_cast<std::uint32_t>(angle) * 2654435761u;
  TrigEntry* set = &trig_[2 * (hash >> trigShift_)];
  if (!(set[0].valid && set[0].angle == angle)) {
    if (set[1].valid && set[1].angle == angle) {
      std::swap(set[0], set[1]);
    } else {
      set[1] = set[0];
      SinCos(angle * RADIANS_PER_GU, set[0].sin, set[0].cos);
      set[0].angle = angle;
      set[0].valid = true;
      ++trigMisses_;
    }
  }
  sin = set[0].sin;
  cos = set[0].cos;
  if (++trigLookups_ == 1u << 16) {
    // More than one miss in eight: twice the sets (forgetting the angles).
    if (trigMisses_ > trigLookups_ / 8 && trigShift_ > 16) {
      --trigShift_;
      trig_.assign(2 * (std::size_t{1} << (32 - trigShift_)), TrigEntry{});
    }
    trigLookups_ = trigMisses_ = 0;
  }
}

bool TSphericalPrj::LLToXY(GlobeUnit lon, GlobeUnit lat, int index) {
  for (auto [angle, last] : {std::pair{lon, &lastLon_}, std::pair{lat, &lastLat_}}) {
    if (!last->valid || last->angle != angle) {
      SinCosGU(angle, last->sin, last->cos);
      last->angle = angle;
      last->valid = true;
    }
  }
  return Project(lastLon_.sin, lastLon_.cos, lastLat_.sin, lastLat_.cos, index);
}

bool TSphericalPrj::Project(long double sinLon, long double cosLon, long double sinLat,
                            long double cosLat, int index) {
  const long double r = EARTH_RADIUS;
  return ProjectEarth(r * cosLat * cosLon, r * sinLat, r * cosLat * sinLon, index);
}

bool TSphericalPrj::ProjectEarth(long double x, long double y, long double z, int index) {
  const TMatrix3& m = ViewMatrix;
  const long double depth = x * m[6] + y * m[7] + z * m[8];
  if (!(depth < 0)) return false;  // the limb itself is not visible
  const long double fx = x * m[0] + y * m[1] + z * m[2];
  const long double fy = x * m[3] + y * m[4] + z * m[5];
  Point(index) = {Wrap32(Round64(fx) + CenterX), Wrap32(Round64(fy) + CenterY)};
  return true;
}

bool TSphericalPrj::LLToXYKept(TLLPoint p, TPointMemo& memo, int index) {
  constexpr std::uint8_t kEarth = 1;
  if (memo.Kind != kEarth || !(memo.Point == p)) {
    long double sinLon, cosLon, sinLat, cosLat;
    SinCosGU(p.X, sinLon, cosLon);
    SinCosGU(p.Y, sinLat, cosLat);
    const long double r = EARTH_RADIUS;
    memo = {p, kEarth, r * cosLat * cosLon, r * sinLat, r * cosLat * sinLon};
  }
  return ProjectEarth(memo.A, memo.B, memo.C, index);
}

bool TSphericalPrj::XYToLL(int x, int y, int index) {
  const long double dx = static_cast<long double>(x) - CenterX;
  const long double dy = static_cast<long double>(y) - CenterY;
  const long double rest = RadiusPixels * RadiusPixels - dx * dx - dy * dy;
  if (rest < 0) return false;
  const long double dz = -std::sqrt(rest);
  const TMatrix3& m = InverseMatrix;
  const long double x3 = m[0] * dx + m[1] * dy + m[2] * dz;
  const long double y3 = m[3] * dx + m[4] * dy + m[5] * dz;
  const long double z3 = m[6] * dx + m[7] * dy + m[8] * dz;
  Point(index) = {RadToGlobeUnits(ArcTan2(z3, x3)), RadToGlobeUnits(ArcSin(y3 * INV_EARTH_RADIUS))};
  return true;
}

int TSphericalPrj::ProjectOutline() {
  long double a = RadiusPixels, b = 0;
  long double s, c;
  SinCos(0.06981317007977318307L, s, c);  // 4 degrees
  Point(0) = {Round32(CenterX + a), Round32(CenterY + b)};
  for (int i = 1; i < 90; ++i) {
    const long double a2 = a * c - b * s;
    b = a * s + b * c;
    a = a2;
    Point(i) = {Round32(CenterX + a), Round32(CenterY + b)};
  }
  return 90;
}

void TSphericalPrj::BuildCache(const TLLPointList& list, TProjectionCache& cache) const {
  const std::int32_t count = list.Count();
  const TLLPoint* points = list.Points();
  std::vector<TEarthVertex>& earth = cache.Earth;
  if (earth.size() != static_cast<std::size_t>(count)) {
    earth.resize(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i)  // no entry matches its vertex yet
      earth[static_cast<std::size_t>(i)].Vertex = {~points[i].X, points[i].Y};
  }
  cache.Decimated = std::make_unique<TWorld3DPrjData>(count);
  T3DPoint* out = cache.Decimated->Points.data();
  TLLPoint last{INT32_MAX, INT32_MAX};
  std::int32_t n = 0;
  for (std::int32_t i = 0; i < count; ++i) {
    if (!Accept(last, points[i])) continue;
    TEarthVertex& e = earth[static_cast<std::size_t>(i)];
    if (!(e.Vertex == points[i])) {
      const EarthPoint p = ToEarth(points[i].X, points[i].Y);
      e = {points[i], {Round32(p.x), Round32(p.y), Round32(p.z)}};
    }
    out[n++] = e.Earth;
  }
  cache.Decimated->Truncate(n);
}

namespace {

// One cached point times a row of a matrix, in extended precision.
inline long double Dot(const T3DPoint& p, const long double* row) {
  const long double x = p.X, y = p.Y, z = p.Z;
  return x * row[0] + y * row[1] + z * row[2];
}

// How far P . row computed in doubles (with the row rounded to doubles) may
// lie from the same product computed in extended precision, for any point of
// 32-bit coordinates: the double sum of three products is within
// 4.01 * 2^-53 * T of the exact value and the extended sum within
// 3.01 * 2^-64 * T, where T = sum |P_i| |row_i| < 2^31 * sum |row_i|.
// 2^-48 * that (2^-17 * sum |row_i|) leaves a factor of four to spare.
inline double DoubleError(const long double* row) {
  const long double t = std::fabs(row[0]) + std::fabs(row[1]) + std::fabs(row[2]);
  return static_cast<double>(t) * 0x1p-17;
}

// The doubles of up to kBlock cached points: the pixel offsets, their
// nearest integers, and whether the point is clearly in front with neither
// offset near a half pixel. Compiled also for processors with AVX2 (picked
// at run time), which do several points at once; the results are used only
// where they provably decide what the extended arithmetic would, so both
// versions give the same pixels.
constexpr int kBlock = 256;
struct TBlock {
  double fx[kBlock], fy[kBlock], rx[kBlock], ry[kBlock];
  std::int64_t sure[kBlock];
};

__attribute__((target_clones("arch=x86-64-v3", "default"))) void MultiplyBlock(
    const T3DPoint* __restrict p, int m, const double* __restrict d, double errDepth, double halfX,
    double halfY, TBlock& __restrict out) {
  // Adding and taking away 1.5 * 2^52 rounds to the nearest integer, ties to
  // even, for offsets below 2^51 pixels.
  constexpr double kRound = 6755399441055744.0;
  for (int k = 0; k < m; ++k) {
    const double x = p[k].X, y = p[k].Y, z = p[k].Z;
    const double depth = x * d[6] + y * d[7] + z * d[8];
    const double fx = x * d[0] + y * d[1] + z * d[2];
    const double fy = x * d[3] + y * d[4] + z * d[5];
    const double rx = (fx + kRound) - kRound, ry = (fy + kRound) - kRound;
    out.fx[k] = fx;
    out.fy[k] = fy;
    out.rx[k] = rx;
    out.ry[k] = ry;
    out.sure[k] = (depth < -errDepth) & (std::fabs(fx - rx) < halfX) & (std::fabs(fy - ry) < halfY);
  }
}

// The cached points times the view matrix, into out; returns the count.
//
// The result is that of the extended-precision arithmetic, point for point.
// Each point is first multiplied in doubles, which is several times faster;
// the double results are used only where they provably decide everything
// the extended ones would: the point is clearly in front, neither coordinate
// is near a half pixel (where rounding could go the other way), and the
// distances to the last point kept are not near one pixel. Otherwise the
// point is done again in extended precision, as are all points behind the
// globe, which are pushed onto the limb.
//
// Small: the radius is below 2^50 pixels (always, within the scale limits),
// so offsets (all within the radius, or pushed onto it) round without a
// range check, also by adding and taking away 1.5 * 2^52.
template <bool Small>
int ProjectCache(const T3DPoint* p, std::int32_t count, const TMatrix3& m, long double radius,
                 std::int64_t cx, std::int64_t cy, TLLPoint* out) {
  const auto round = [](long double v) { return Small ? std::llrint(v) : Round64(v); };
  const long double* rowX = &m[0];
  const long double* rowY = &m[3];
  const long double* rowDepth = &m[6];
  const double d0 = static_cast<double>(m[0]), d1 = static_cast<double>(m[1]),
               d2 = static_cast<double>(m[2]), d3 = static_cast<double>(m[3]),
               d4 = static_cast<double>(m[4]), d5 = static_cast<double>(m[5]),
               d6 = static_cast<double>(m[6]), d7 = static_cast<double>(m[7]),
               d8 = static_cast<double>(m[8]);
  const double errX = DoubleError(rowX), errY = DoubleError(rowY);
  const double errDepth = DoubleError(rowDepth);
  // A coordinate this close to the nearest integer rounds the same way in
  // both precisions.
  const double halfX = 0.5 - errX, halfY = 0.5 - errY;
  // A distance to the last point kept within this of one pixel may decide
  // the dropping differently in the two precisions (the last point's
  // doubles are within the same error, and 2^-38 covers the rounding of the
  // subtraction for distances up to 3 pixels; beyond, nothing is near one).
  const double stepX = 2 * errX + 0x1p-38, stepY = 2 * errY + 0x1p-38;
  // The last point kept: exactly (lastX, lastY) when lastExact, else the
  // extended product of point lastIndex.
  long double lastX = 2147483647.0L, lastY = 2147483647.0L;
  bool lastExact = true;
  std::int32_t lastIndex = 0;
  // The point before, in doubles, when it was kept (the usual case).
  bool prevKept = false;
  double prevXd = 0, prevYd = 0;
  int n = 0;
  const double d[9] = {d0, d1, d2, d3, d4, d5, d6, d7, d8};
  TBlock block;
  std::int32_t blockStart = 0, blockEnd = 0;  // the points in block
  for (std::int32_t j = 0; j < count; ++j) {
    const T3DPoint& q = p[j];
    if constexpr (Small) {
      if (j >= blockEnd) {
        blockStart = j;
        blockEnd = j + std::min<std::int32_t>(kBlock, count - j);
        MultiplyBlock(p + j, blockEnd - j, d, errDepth, halfX, halfY, block);
      }
      const int k = j - blockStart;
      const double fx = block.fx[k], fy = block.fy[k];
      // The last point kept in doubles, within (errX, errY) of it: the point
      // before when that was kept, so that the distance waits for nothing
      // decided in the iteration before and the processor overlaps the
      // points; otherwise made again (a double product is the same every
      // time; an extended value's nearest double is within 2^-53 of it).
      double bx = prevXd, by = prevYd;
      if (!prevKept) {
        if (lastExact) {
          bx = static_cast<double>(lastX);
          by = static_cast<double>(lastY);
        } else {
          const T3DPoint& l = p[lastIndex];
          const double lx = l.X, ly = l.Y, lz = l.Z;
          bx = lx * d0 + ly * d1 + lz * d2;
          by = lx * d3 + ly * d4 + lz * d5;
        }
      }
      const double dx = std::fabs(bx - fx), dy = std::fabs(by - fy);
      // Combined without branches: all but a few points pass.
      const bool sure = (block.sure[k] != 0) & ((dx > 1 + stepX) | (dx < 1 - stepX)) &
                        ((dy > 1 + stepY) | (dy < 1 - stepY));
      if (sure) [[likely]] {
        // A point within a pixel of the last one is dropped. Without a
        // branch (the entry is overwritten by the next point kept): in a
        // detailed coastline about every other point goes either way.
        const bool keep = (dx >= 1) | (dy >= 1);
        out[n] = {Wrap32(static_cast<std::int64_t>(block.rx[k]) + cx),
                  Wrap32(static_cast<std::int64_t>(block.ry[k]) + cy)};
        n += keep;
        lastExact = lastExact & !keep;
        lastIndex = keep ? j : lastIndex;
        prevKept = keep;
        prevXd = fx;
        prevYd = fy;
        continue;
      }
    }
    if (!lastExact) {
      lastX = Dot(p[lastIndex], rowX);
      lastY = Dot(p[lastIndex], rowY);
      lastExact = true;
    }
    long double fx = Dot(q, rowX), fy = Dot(q, rowY);
    if (Dot(q, rowDepth) >= 0) {
      // Behind the globe: push the point radially onto the limb and skip the
      // next 32 points, which are most likely hidden too.
      const long double h = Hypot(fy, fx);
      if (h > 0) {
        const long double k = radius / h;
        fx *= k;
        fy *= k;
      } else {
        fx = radius;  // exactly behind the centre: any limb point will do
        fy = 0;
      }
      j += 32;
    }
    prevKept = false;
    if (std::fabs(lastX - fx) < 1 && std::fabs(lastY - fy) < 1) continue;  // same pixel
    out[n++] = {Wrap32(round(fx) + cx), Wrap32(round(fy) + cy)};
    lastX = fx;
    lastY = fy;
  }
  return n;
}

}  // namespace

int TSphericalPrj::ProjectPointList(const TLLPointList& list, TProjectionCache& cache) {
  if (!cache.Decimated) BuildCache(list, cache);
  const TWorld3DPrjData& data = *cache.Decimated;
  TPointBuffers& buffers = Buffers();
  buffers.Reserve(static_cast<std::size_t>(data.Count) + 1);
  const T3DPoint* p = data.Points.data();
  if (RadiusPixels < 0x1p50L)
    return ProjectCache<true>(p, data.Count, ViewMatrix, RadiusPixels, CenterX, CenterY,
                              buffers.Points.data());
  return ProjectCache<false>(p, data.Count, ViewMatrix, RadiusPixels, CenterX, CenterY,
                             buffers.Points.data());
}

bool TSphericalPrj::RectVisible(const TRect& rect, std::uint8_t& clipCode) {
  int n = 0;
  // The corners share two longitudes and two latitudes: their sines and
  // cosines are computed once (the same values LLToXY would compute).
  struct Trig {
    long double s, c;
  };
  const auto trig = [this](std::int64_t angle) {
    Trig t;
    SinCosGU(Wrap32(angle), t.s, t.c);
    return t;
  };
  const Trig west = trig(rect.Left), east = trig(rect.Right);
  const Trig south = trig(rect.Top), north = trig(rect.Bottom);
  const auto add = [&](const Trig& lon, const Trig& lat) {
    if (Project(lon.s, lon.c, lat.s, lat.c, n)) ++n;
  };
  add(west, south);
  add(east, north);
  add(east, south);
  add(west, north);
  if (n == 0) return false;
  // Sample the edges every 15 degrees; 64-bit steps so that a rectangle
  // reaching the end of the 32-bit range cannot make the loop wrap around.
  for (std::int64_t lon = std::int64_t{rect.Left} + GU_15; lon < rect.Right; lon += GU_15) {
    const Trig t = trig(lon);
    add(t, south);
    add(t, north);
  }
  for (std::int64_t lat = std::int64_t{rect.Top} + GU_15; lat < rect.Bottom; lat += GU_15) {
    const Trig t = trig(lat);
    add(west, t);
    add(east, t);
  }
  bool visible = false;
  clipCode = PointsClipCode(n, visible);
  return visible;
}

}  // namespace meridex
