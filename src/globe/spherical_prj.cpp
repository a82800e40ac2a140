#include "globe/spherical_prj.h"

#include <bit>
#include <cmath>
#include <cstdint>

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
  TrigEntry& e = trig_[hash >> 19];  // 8,192 entries
  if (!e.valid || e.angle != angle) {
    SinCos(angle * RADIANS_PER_GU, e.sin, e.cos);
    e.angle = angle;
    e.valid = true;
  }
  sin = e.sin;
  cos = e.cos;
}

bool TSphericalPrj::LLToXY(GlobeUnit lon, GlobeUnit lat, int index) {
  long double sinLon, cosLon, sinLat, cosLat;
  SinCosGU(lon, sinLon, cosLon);
  SinCosGU(lat, sinLat, cosLat);
  return Project(sinLon, cosLon, sinLat, cosLat, index);
}

bool TSphericalPrj::Project(long double sinLon, long double cosLon, long double sinLat,
                            long double cosLat, int index) {
  const long double r = EARTH_RADIUS;
  const EarthPoint p{r * cosLat * cosLon, r * sinLat, r * cosLat * sinLon};
  const TMatrix3& m = ViewMatrix;
  const long double depth = p.x * m[6] + p.y * m[7] + p.z * m[8];
  if (!(depth < 0)) return false;  // the limb itself is not visible
  const long double fx = p.x * m[0] + p.y * m[1] + p.z * m[2];
  const long double fy = p.x * m[3] + p.y * m[4] + p.z * m[5];
  Point(index) = {Wrap32(Round64(fx) + CenterX), Wrap32(Round64(fy) + CenterY)};
  return true;
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
  cache = std::make_unique<TWorld3DPrjData>(list.Count());
  TLLPoint last{INT32_MAX, INT32_MAX};
  std::int32_t n = 0;
  const TLLPoint* points = list.Points();
  for (std::int32_t i = 0; i < list.Count(); ++i) {
    if (!Accept(last, points[i])) continue;
    const EarthPoint e = ToEarth(points[i].X, points[i].Y);
    cache->Points[static_cast<std::size_t>(n++)] = {Round32(e.x), Round32(e.y), Round32(e.z)};
  }
  cache->Truncate(n);
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

// a when pick, else b, without a branch.
inline double Select(bool pick, double a, double b) {
  const std::uint64_t mask = 0 - static_cast<std::uint64_t>(pick);
  return std::bit_cast<double>((std::bit_cast<std::uint64_t>(a) & mask) |
                               (std::bit_cast<std::uint64_t>(b) & ~mask));
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
// Small: the radius is far below the 64-bit limit, so offsets (all within
// the radius, or pushed onto it) round without a range check.
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
  // The last point kept: exactly (lastX, lastY) when lastExact, else the
  // extended product of point lastIndex; (lastXd, lastYd) is always within
  // (lastErrX, lastErrY) of it.
  long double lastX = 2147483647.0L, lastY = 2147483647.0L;
  bool lastExact = true;
  std::int32_t lastIndex = 0;
  double lastXd = 2147483647.0, lastYd = 2147483647.0, lastErrX = 0, lastErrY = 0;
  int n = 0;
  for (std::int32_t j = 0; j < count; ++j) {
    const T3DPoint& q = p[j];
    if constexpr (Small) {
      const double x = q.X, y = q.Y, z = q.Z;
      const double depth = x * d6 + y * d7 + z * d8;
      const double fx = x * d0 + y * d1 + z * d2;
      const double fy = x * d3 + y * d4 + z * d5;
      const std::int64_t ix = std::llrint(fx), iy = std::llrint(fy);
      const double dx = std::fabs(lastXd - fx), dy = std::fabs(lastYd - fy);
      // 2^-40 (d + 1) covers the rounding of the subtraction itself. The
      // tests are combined without branches: all but a few points pass.
      const bool sure = (depth < -errDepth) &
                        (0.5 - std::fabs(fx - static_cast<double>(ix)) > errX) &
                        (0.5 - std::fabs(fy - static_cast<double>(iy)) > errY) &
                        (std::fabs(dx - 1) > errX + lastErrX + 0x1p-40 * (dx + 1)) &
                        (std::fabs(dy - 1) > errY + lastErrY + 0x1p-40 * (dy + 1));
      if (sure) [[likely]] {
        // A point within a pixel of the last one is dropped. Without a
        // branch (the entry is overwritten by the next point kept): in a
        // detailed coastline about every other point goes either way.
        const bool keep = (dx >= 1) | (dy >= 1);
        out[n] = {Wrap32(ix + cx), Wrap32(iy + cy)};
        n += keep;
        lastExact = lastExact & !keep;
        lastIndex = keep ? j : lastIndex;
        lastXd = Select(keep, fx, lastXd);
        lastYd = Select(keep, fy, lastYd);
        lastErrX = Select(keep, errX, lastErrX);
        lastErrY = Select(keep, errY, lastErrY);
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
    if (std::fabs(lastX - fx) < 1 && std::fabs(lastY - fy) < 1) continue;  // same pixel
    out[n++] = {Wrap32(round(fx) + cx), Wrap32(round(fy) + cy)};
    lastX = fx;
    lastY = fy;
    lastXd = static_cast<double>(fx);
    lastYd = static_cast<double>(fy);
    lastErrX = 0x1p-52 * std::fabs(lastXd);
    lastErrY = 0x1p-52 * std::fabs(lastYd);
  }
  return n;
}

}  // namespace

int TSphericalPrj::ProjectPointList(const TLLPointList& list, TProjectionCache& cache) {
  if (!cache) BuildCache(list, cache);
  TPointBuffers& buffers = Buffers();
  buffers.Reserve(static_cast<std::size_t>(cache->Count) + 1);
  const T3DPoint* p = cache->Points.data();
  if (RadiusPixels < 1e18L)
    return ProjectCache<true>(p, cache->Count, ViewMatrix, RadiusPixels, CenterX, CenterY,
                              buffers.Points.data());
  return ProjectCache<false>(p, cache->Count, ViewMatrix, RadiusPixels, CenterX, CenterY,
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
