#include "globe/spherical_prj.h"

#include <emmintrin.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>

#include "globe/globe_units.h"

namespace meridex {

namespace {

struct EarthPoint {
  long double x, y, z;
};

// The angle of a GlobeUnit in doubles. A point's earth coordinates made
// from it with the double sine and cosine lie within 2^-19.7 GlobeUnits of
// the extended ones in each coordinate: the angle (at most 2^31 units, below
// 6.94) is within 2^-49.2 of the extended one, so each sine and cosine is
// within 2^-49.2 plus two units in the last place (2^-52) of the extended
// one, and the radius (below 2^28.21) times two of them, rounded twice, is
// within 2^28.21 * 2^-47.91.
constexpr double kRadiansPerGU = static_cast<double>(RADIANS_PER_GU);

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
  TMatrix3 view = m;
  ScaleMatrix(view, scale);
  SetViewMatrix(view);
}

void TSphericalPrj::SetViewMatrix(const TMatrix3& m) {
  viewMatrix_ = m;
  for (int i = 0; i < 9; ++i) viewDouble_[i] = static_cast<double>(m[static_cast<std::size_t>(i)]);
  // An earth point (extended, within the radius, below 2^28.21) and a row
  // rounded to doubles, three products and two sums: within 5.02 * 2^-53 *
  // T of the exact value, and the extended result within 3.01 * 2^-64 * T,
  // where T = sum |P_i| |row_i| < 2^28.21 * sum |row_i|. 2^-21 * sum |row_i|
  // leaves a factor of 2.7 to spare.
  //
  // An earth point made in doubles alone (see kRadiansPerGU) lies within
  // 2^-19.7 of the extended one in each coordinate, which adds 2^-19.7 * sum |row_i| to the above:
  // 2^-18 * sum |row_i| leaves a factor of 2.8 to spare.
  //
  // A cached point (32-bit coordinates) and the row in doubles: the double
  // sum of three products is within 4.01 * 2^-53 * T of the exact value and
  // the extended sum within 3.01 * 2^-64 * T, where T = sum |P_i| |row_i| <
  // 2^31 * sum |row_i|. 2^-48 * that (2^-17 * sum |row_i|) leaves a factor
  // of four to spare.
  for (int r = 0; r < 3; ++r) {
    const std::size_t k = 3 * static_cast<std::size_t>(r);
    const long double t = std::fabs(m[k]) + std::fabs(m[k + 1]) + std::fabs(m[k + 2]);
    earthError_[r] = static_cast<double>(t) * 0x1p-21;
    nearError_[r] = static_cast<double>(t) * 0x1p-18;
    cacheError_[r] = static_cast<double>(t) * 0x1p-17;
  }
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

void TSphericalPrj::SinCosLast(GlobeUnit lon, GlobeUnit lat) {
  for (auto [angle, last] : {std::pair{lon, &lastLon_}, std::pair{lat, &lastLat_}}) {
    if (!last->valid || last->angle != angle) {
      SinCosGU(angle, last->sin, last->cos);
      last->angle = angle;
      last->valid = true;
    }
  }
}

bool TSphericalPrj::LLToXY(GlobeUnit lon, GlobeUnit lat, int index) {
  SinCosLast(lon, lat);
  return Project(lastLon_.sin, lastLon_.cos, lastLat_.sin, lastLat_.cos, index);
}

bool TSphericalPrj::Project(long double sinLon, long double cosLon, long double sinLat,
                            long double cosLat, int index) {
  const long double r = EARTH_RADIUS;
  return ProjectEarth(r * cosLat * cosLon, r * sinLat, r * cosLat * sinLon, index);
}

inline TSphericalPrj::TVerdict TSphericalPrj::ProjectDoubles(double x, double y, double z,
                                                             int index, const double* error) {
  // Doubles decide where they provably give what extended precision would:
  // the depth clearly on one side of 0, the offsets clearly off a half pixel.
  const double* v = viewDouble_;
  const double depth = x * v[6] + y * v[7] + z * v[8];
  if (depth > error[2]) return TVerdict::Hidden;
  if (depth < -error[2]) {
    const double fx = x * v[0] + y * v[1] + z * v[2];
    const double fy = x * v[3] + y * v[4] + z * v[5];
    // Adding and taking away 1.5 * 2^52 rounds to the nearest integer (ties
    // to even) below 2^51.
    constexpr double kRound = 6755399441055744.0;
    const double rx = (fx + kRound) - kRound, ry = (fy + kRound) - kRound;
    if (std::fabs(fx - rx) < 0.5 - error[0] && std::fabs(fy - ry) < 0.5 - error[1] &&
        std::fabs(fx) < 0x1p50 && std::fabs(fy) < 0x1p50) {
      Point(index) = {Wrap32(static_cast<std::int64_t>(rx) + CenterX),
                      Wrap32(static_cast<std::int64_t>(ry) + CenterY)};
      return TVerdict::Shown;
    }
  }
  return TVerdict::Undecided;
}

bool TSphericalPrj::ProjectEarth(long double x, long double y, long double z, int index) {
  const TVerdict verdict = ProjectDoubles(static_cast<double>(x), static_cast<double>(y),
                                          static_cast<double>(z), index, earthError_);
  if (verdict != TVerdict::Undecided) return verdict == TVerdict::Shown;
  const TMatrix3& m = viewMatrix_;
  const long double depth = x * m[6] + y * m[7] + z * m[8];
  if (!(depth < 0)) return false;  // the limb itself is not visible
  const long double fx = x * m[0] + y * m[1] + z * m[2];
  const long double fy = x * m[3] + y * m[4] + z * m[5];
  Point(index) = {Wrap32(Round64(fx) + CenterX), Wrap32(Round64(fy) + CenterY)};
  return true;
}

bool TSphericalPrj::LLToXYKept(TLLPoint p, TPointMemo& memo, int index) {
  // What the memo keeps of the point: its earth coordinates made in doubles
  // (kNear), or in extended precision with their nearest doubles (kEarth).
  constexpr std::uint8_t kEarth = 1, kNear = 3;  // the Mercator map keeps kind 2
  if (!(memo.Point == p) || (memo.Kind != kEarth && memo.Kind != kNear)) {
    // A new point (a label's corners after a zoom) is first tried with
    // doubles alone, without the extended sines and cosines.
    memo.Point = p;
    memo.Kind = kNear;
    const double lon = p.X * kRadiansPerGU, lat = p.Y * kRadiansPerGU;
    const double cosLat = std::cos(lat), r = EARTH_RADIUS;
    memo.Near[0] = r * cosLat * std::cos(lon);
    memo.Near[1] = r * std::sin(lat);
    memo.Near[2] = r * cosLat * std::sin(lon);
  }
  if (memo.Kind == kNear) {
    const TVerdict verdict =
        ProjectDoubles(memo.Near[0], memo.Near[1], memo.Near[2], index, nearError_);
    if (verdict != TVerdict::Undecided) return verdict == TVerdict::Shown;
    SinCosLast(p.X, p.Y);  // a label's corners share their angles in pairs
    const long double sinLon = lastLon_.sin, cosLon = lastLon_.cos;
    const long double sinLat = lastLat_.sin, cosLat = lastLat_.cos;
    const long double r = EARTH_RADIUS;
    memo = {p, kEarth, r * cosLat * cosLon, r * sinLat, r * cosLat * sinLon};
    memo.Near[0] = static_cast<double>(memo.A);
    memo.Near[1] = static_cast<double>(memo.B);
    memo.Near[2] = static_cast<double>(memo.C);
  }
  const TVerdict verdict =
      ProjectDoubles(memo.Near[0], memo.Near[1], memo.Near[2], index, earthError_);
  if (verdict != TVerdict::Undecided) return verdict == TVerdict::Shown;
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

void TSphericalPrj::BuildCache(const TLLPointList& list, TProjectionCache& cache) {
  const std::int32_t count = list.Count();
  const TLLPoint* points = list.Points();
  std::pmr::vector<T3DPoint>& earth = cache.Earth;
  std::pmr::vector<std::uint64_t>& made = cache.EarthMade;
  if (cache.EarthVersion != list.Version() || earth.size() != static_cast<std::size_t>(count)) {
    earth.resize(static_cast<std::size_t>(count));
    made.assign((static_cast<std::size_t>(count) + 63) / 64, 0);  // none made yet
    cache.EarthVersion = list.Version();
  }
  // Gathered here first, so that the object keeps no more room than it
  // needs: then the kept points of a layer lie close together.
  std::vector<T3DPoint>& picks = Buffers().Picks;
  if (picks.size() < static_cast<std::size_t>(count)) picks.resize(static_cast<std::size_t>(count));
  std::size_t kept = 0;
  // The vertices the zoom keeps (one per pixel step), picked a block at a
  // time without a branch (about every other vertex goes either way), then
  // their earth coordinates from the kept ones.
  const std::int64_t upp = UnitsPerPixel;
  // |a - b| < upp exactly when a - b + upp - 1, taken unsigned, is at most
  // 2 upp - 2 (for upp >= 1; below, every vertex is kept).
  const std::int64_t off = upp - 1;
  const std::uint64_t span = upp >= 1 ? static_cast<std::uint64_t>(2 * upp - 2) : 0;
  const bool keepAll = upp <= 1;
  const auto far = [&](std::int64_t fromX, std::int64_t fromY, TLLPoint p) {
    return keepAll | (static_cast<std::uint64_t>(fromX + off - p.X) > span) |
           (static_cast<std::uint64_t>(fromY + off - p.Y) > span);
  };
  std::int64_t lastX = INT32_MAX, lastY = INT32_MAX;
  constexpr std::int32_t kBlock = 256;
  static_assert(kBlock % 2 == 0);
  std::int32_t picked[kBlock];
  for (std::int32_t start = 0; start < count; start += kBlock) {
    const std::int32_t end = std::min(count, start + kBlock);
    int m = 0;
    std::int32_t i = start;
    // Two vertices a step: whether the second is kept depends on the first
    // only through a choice between two tests made beside each other, so a
    // step waits for one test, not two in a row.
    for (; i + 1 < end; i += 2) {
      // Masks rather than choices, which the compiler could make branches.
      const TLLPoint a = points[i], b = points[i + 1];
      const bool keepA = far(lastX, lastY, a);
      const bool dropA = !keepA;
      const bool keepB = (keepA & far(a.X, a.Y, b)) | (dropA & far(lastX, lastY, b));
      picked[m] = i;
      m += keepA;
      picked[m] = i + 1;
      m += keepB;
      const std::int64_t maskA = -std::int64_t{keepA}, maskB = -std::int64_t{keepB};
      lastX = (b.X & maskB) | (~maskB & ((a.X & maskA) | (~maskA & lastX)));
      lastY = (b.Y & maskB) | (~maskB & ((a.Y & maskA) | (~maskA & lastY)));
    }
    if (i < end) {  // the list's last vertex (blocks are of an even size)
      picked[m] = i;
      m += far(lastX, lastY, points[i]);
    }
    for (int k = 0; k < m; ++k) {
      const std::size_t v = static_cast<std::size_t>(picked[k]);
      std::uint64_t& word = made[v / 64];
      const std::uint64_t bit = std::uint64_t{1} << (v % 64);
      if (!(word & bit)) [[unlikely]] {
        const EarthPoint e = ToEarth(points[v].X, points[v].Y);
        earth[v] = {Round32(e.x), Round32(e.y), Round32(e.z)};
        word |= bit;
      }
      picks[kept++] = earth[v];
    }
  }
  // The storage of the last picks serves again when they fit in it.
  std::pmr::vector<T3DPoint> out = std::move(cache.Spare);
  if (out.capacity() < kept) out = std::pmr::vector<T3DPoint>(out.get_allocator());
  out.reserve(kept);
  out.assign(picks.begin(), picks.begin() + static_cast<std::ptrdiff_t>(kept));
  cache.Decimated.emplace(0, cache.KeptMemory());
  cache.Decimated->Points = std::move(out);
  cache.Decimated->Count = cache.Decimated->Capacity = static_cast<std::int32_t>(kept);
}

namespace {

// One cached point times a row of a matrix, in extended precision.
inline long double Dot(const T3DPoint& p, const long double* row) {
  const long double x = p.X, y = p.Y, z = p.Z;
  return x * row[0] + y * row[1] + z * row[2];
}

// The doubles of up to kBlock cached points, made several points at a time
// (compiled also for processors with AVX2 and AVX-512, picked at run time):
// each point's pixel offsets and its pixel, and whether it is clearly in
// front with neither offset near a half pixel. The results are used only
// where they provably decide what the extended arithmetic would, so every
// version gives the same pixels.
constexpr int kBlock = 256;
struct TBlock {
  alignas(16) double f[kBlock][2];  // x, y
  struct {
    std::int32_t X, Y;
  } pixel[kBlock];  // left as it is made: the block is not cleared first
  std::int64_t sure[kBlock];
};

__attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default"))) void MultiplyBlock(
    const T3DPoint* __restrict p, int m, const double* __restrict d, double errDepth, double halfX,
    double halfY, std::int64_t cx, std::int64_t cy, TBlock& __restrict out) {
  // Adding 1.5 * 2^52 rounds to the nearest integer, ties to even, for
  // offsets below 2^51 pixels: the integer is then the low bits of the sum,
  // and taking 1.5 * 2^52 away again gives it as a double.
  constexpr double kRound = 6755399441055744.0;
  for (int k = 0; k < m; ++k) {
    const double x = p[k].X, y = p[k].Y, z = p[k].Z;
    const double depth = x * d[6] + y * d[7] + z * d[8];
    const double fx = x * d[0] + y * d[1] + z * d[2];
    const double fy = x * d[3] + y * d[4] + z * d[5];
    const double sx = fx + kRound, sy = fy + kRound;
    const double rx = sx - kRound, ry = sy - kRound;
    out.f[k][0] = fx;
    out.f[k][1] = fy;
    // The pixel wraps as the 32-bit coordinates do.
    out.pixel[k] = {
        static_cast<std::int32_t>(static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(sx)) +
                                  static_cast<std::uint32_t>(cx)),
        static_cast<std::int32_t>(static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(sy)) +
                                  static_cast<std::uint32_t>(cy))};
    out.sure[k] = (depth < -errDepth) & (std::fabs(fx - rx) < halfX) & (std::fabs(fy - ry) < halfY);
  }
}

// The lanes of a where mask is set, else those of b.
inline __m128d Select(__m128d mask, __m128d a, __m128d b) {
  return _mm_or_pd(_mm_and_pd(mask, a), _mm_andnot_pd(mask, b));
}

// Both lanes set where either is.
inline __m128d EitherLane(__m128d mask) { return _mm_or_pd(mask, _mm_shuffle_pd(mask, mask, 1)); }

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
// range check, also by adding 1.5 * 2^52.
//
// d is the matrix in doubles and err how far a cached point times each of its
// rows in doubles may lie from the same in extended precision (both made
// once per view).
template <bool Small>
int ProjectCache(const T3DPoint* p, std::int32_t count, const TMatrix3& m, const double* d,
                 const double* err, long double radius, std::int64_t cx, std::int64_t cy,
                 TLLPoint* out) {
  const auto round = [](long double v) { return Small ? std::llrint(v) : Round64(v); };
  const long double* rowX = &m[0];
  const long double* rowY = &m[3];
  const long double* rowDepth = &m[6];
  const double errX = err[0], errY = err[1], errDepth = err[2];
  // A coordinate this close to the nearest integer rounds the same way in
  // both precisions.
  const double halfX = 0.5 - errX, halfY = 0.5 - errY;
  // A distance to the last point kept within this of one pixel may decide
  // the dropping differently in the two precisions (the last point's
  // doubles are within the same error, and 2^-38 covers the rounding of the
  // subtraction for distances up to 3 pixels; beyond, nothing is near one).
  const double stepX = 2 * errX + 0x1p-38, stepY = 2 * errY + 0x1p-38;
  // The last point kept, in extended precision: (lastX, lastY), unless it
  // was kept by the doubles alone. Each point the doubles may keep notes its
  // index where it would go (kept[n % 4]), and a point the extended
  // arithmetic keeps notes -1 there: the last one kept is then told by
  // kept[(n - 1) % 4] without a branch or a select in the loop. (A step
  // notes at n and n + 1 at most, so four entries never lose that one.)
  long double lastX = 2147483647.0L, lastY = 2147483647.0L;
  std::int32_t kept[4] = {-1, -1, -1, -1};
  // The last point kept in doubles (x, y), within (errX, errY) of it: its
  // double product, or the nearest doubles of its extended value. Carried
  // along, so that no point waits for the last kept one to be multiplied
  // again.
  __m128d last = _mm_set1_pd(2147483647.0);
  // Distances in this band around one pixel are not clearly off it.
  const __m128d nearLow = _mm_set_pd(1 - stepY, 1 - stepX);
  const __m128d nearHigh = _mm_set_pd(1 + stepY, 1 + stepX);
  const __m128d one = _mm_set1_pd(1);
  const __m128d magnitude = _mm_castsi128_pd(_mm_set1_epi64x(INT64_MAX));
  const auto distance = [&](__m128d f) { return _mm_and_pd(_mm_sub_pd(last, f), magnitude); };
  const auto nearOne = [&](__m128d dist) {
    return _mm_and_pd(_mm_cmpge_pd(dist, nearLow), _mm_cmple_pd(dist, nearHigh));
  };
  int n = 0;
  TBlock block;
  std::int32_t blockStart = 0, blockEnd = 0;  // the points in block
  for (std::int32_t j = 0; j < count; ++j) {
    const T3DPoint& q = p[j];
    if constexpr (Small) {
      if (j >= blockEnd) {
        blockStart = j;
        blockEnd = j + std::min<std::int32_t>(kBlock, count - j);
        MultiplyBlock(p + j, blockEnd - j, d, errDepth, halfX, halfY, cx, cy, block);
      }
      const int k = j - blockStart;
      // Two points a step where both are in the block and everything about
      // them is sure: whether the second is kept depends on the first only
      // through a choice between two distances made beside each other.
      // Without branches: in a detailed coastline about every other point
      // is dropped (it lies within a pixel of the last one kept).
      if (j + 1 < blockEnd) {
        const __m128d a = _mm_load_pd(block.f[k]), b = _mm_load_pd(block.f[k + 1]);
        const __m128d toA = distance(a), toB = distance(b);
        // The distance between the two does not wait for the last point.
        const __m128d aToB = _mm_and_pd(_mm_sub_pd(a, b), magnitude);
        if ((_mm_movemask_pd(_mm_or_pd(_mm_or_pd(nearOne(toA), nearOne(toB)), nearOne(aToB))) ==
             0) &
            ((block.sure[k] & block.sure[k + 1]) != 0)) [[likely]] {
          const __m128d keepA = EitherLane(_mm_cmpge_pd(toA, one));
          const __m128d farAB = EitherLane(_mm_cmpge_pd(aToB, one));
          const __m128d keepB = Select(keepA, farAB, EitherLane(_mm_cmpge_pd(toB, one)));
          const int keptA = _mm_movemask_pd(keepA) & 1, keptB = _mm_movemask_pd(keepB) & 1;
          out[n] = {block.pixel[k].X, block.pixel[k].Y};
          kept[n & 3] = j;
          n += keptA;
          out[n] = {block.pixel[k + 1].X, block.pixel[k + 1].Y};
          kept[n & 3] = j + 1;
          n += keptB;
          last = Select(keepB, b, Select(keepA, a, last));
          ++j;
          continue;
        }
      }
      const __m128d a = _mm_load_pd(block.f[k]);
      const __m128d toA = distance(a);
      if ((_mm_movemask_pd(nearOne(toA)) == 0) & (block.sure[k] != 0)) [[likely]] {
        const __m128d keep = EitherLane(_mm_cmpge_pd(toA, one));
        out[n] = {block.pixel[k].X, block.pixel[k].Y};
        kept[n & 3] = j;
        n += _mm_movemask_pd(keep) & 1;
        last = Select(keep, a, last);
        continue;
      }
    }
    if (n > 0 && kept[(n - 1) & 3] >= 0) {
      const T3DPoint& lastPoint = p[kept[(n - 1) & 3]];
      lastX = Dot(lastPoint, rowX);
      lastY = Dot(lastPoint, rowY);
      kept[(n - 1) & 3] = -1;
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
    kept[n & 3] = -1;
    out[n++] = {Wrap32(round(fx) + cx), Wrap32(round(fy) + cy)};
    lastX = fx;
    lastY = fy;
    last = _mm_set_pd(static_cast<double>(fy), static_cast<double>(fx));
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
    return ProjectCache<true>(p, data.Count, viewMatrix_, viewDouble_, cacheError_, RadiusPixels,
                              CenterX, CenterY, buffers.Points.data());
  return ProjectCache<false>(p, data.Count, viewMatrix_, viewDouble_, cacheError_, RadiusPixels,
                             CenterX, CenterY, buffers.Points.data());
}

bool TSphericalPrj::RectVisible(const TRect& rect, std::uint8_t& clipCode) {
  return RectVisibleFrom(rect, clipCode, nullptr);
}

namespace {

// The corners in the order the visibility test projects them (south-west,
// north-east, south-east, north-west), as indexes of their longitude and
// latitude among the edges west, east, south, north.
constexpr int kCornerEdges[4][2] = {{0, 2}, {1, 3}, {1, 2}, {0, 3}};

}  // namespace

void TSphericalPrj::EdgeTrig(const TRect& rect, long double* sin, long double* cos) {
  const GlobeUnit edges[4] = {rect.Left, rect.Right, rect.Top, rect.Bottom};
  for (int i = 0; i < 4; ++i) SinCosGU(edges[i], sin[i], cos[i]);
}

bool TSphericalPrj::RectVisibleKept(const TRect& rect, std::uint8_t& clipCode, TRectMemo& memo) {
  if (!memo.Valid || !(memo.Rect == rect)) {
    long double sin[4], cos[4];
    EdgeTrig(rect, sin, cos);
    for (int i = 0; i < 4; ++i) {  // each made as Project makes it
      const long double sinLon = sin[kCornerEdges[i][0]], cosLon = cos[kCornerEdges[i][0]];
      const long double sinLat = sin[kCornerEdges[i][1]], cosLat = cos[kCornerEdges[i][1]];
      const long double r = EARTH_RADIUS;
      memo.Corners[i][0] = static_cast<double>(r * cosLat * cosLon);
      memo.Corners[i][1] = static_cast<double>(r * sinLat);
      memo.Corners[i][2] = static_cast<double>(r * cosLat * sinLon);
    }
    memo.Rect = rect;
    memo.Valid = true;
  }
  return RectVisibleFrom(rect, clipCode, memo.Corners);
}

bool TSphericalPrj::RectVisibleFrom(const TRect& rect, std::uint8_t& clipCode,
                                    const double (*corners)[3]) {
  // The edges' sines and cosines (west, east, south, north), looked up only
  // where doubles do not decide a corner or the edges are sampled: most
  // rectangles are decided by their corners' doubles alone.
  long double sin[4], cos[4];
  bool trigMade = false;
  const auto trig = [&] {
    if (!trigMade) EdgeTrig(rect, sin, cos);
    trigMade = true;
  };
  int n = 0;
  for (int i = 0; i < 4; ++i) {
    const TVerdict verdict =
        corners ? ProjectDoubles(corners[i][0], corners[i][1], corners[i][2], n, earthError_)
                : TVerdict::Undecided;
    if (verdict == TVerdict::Shown) {
      ++n;
    } else if (verdict == TVerdict::Undecided) {
      trig();
      const int lon = kCornerEdges[i][0], lat = kCornerEdges[i][1];
      if (Project(sin[lon], cos[lon], sin[lat], cos[lat], n)) ++n;
    }
  }
  if (n == 0) return false;
  // Sample the edges every 15 degrees; 64-bit steps so that a rectangle
  // reaching the end of the 32-bit range cannot make the loop wrap around.
  const std::int64_t firstLon = std::int64_t{rect.Left} + GU_15;
  const std::int64_t firstLat = std::int64_t{rect.Top} + GU_15;
  if (firstLon < rect.Right || firstLat < rect.Bottom) {
    trig();
    const auto add = [&](long double sinLon, long double cosLon, long double sinLat,
                         long double cosLat) {
      if (Project(sinLon, cosLon, sinLat, cosLat, n)) ++n;
    };
    long double s, c;
    for (std::int64_t lon = firstLon; lon < rect.Right; lon += GU_15) {
      SinCosGU(Wrap32(lon), s, c);
      add(s, c, sin[2], cos[2]);  // south
      add(s, c, sin[3], cos[3]);  // north
    }
    for (std::int64_t lat = firstLat; lat < rect.Bottom; lat += GU_15) {
      SinCosGU(Wrap32(lat), s, c);
      add(sin[0], cos[0], s, c);  // west
      add(sin[1], cos[1], s, c);  // east
    }
  }
  bool visible = false;
  clipCode = PointsClipCode(n, visible);
  return visible;
}

}  // namespace meridex
