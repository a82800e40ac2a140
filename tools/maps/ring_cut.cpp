#include "ring_cut.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

#include "even_odd.h"

namespace meridex::maps {

namespace {

// Unwrapped positions: longitudes continue past +-180 degrees, so they need
// more than 32 bits.
struct Point64 {
  std::int64_t x = 0, y = 0;
  friend bool operator==(const Point64&, const Point64&) = default;
};
using Path = std::vector<Point64>;

constexpr std::int64_t k180 = GU_180, k360 = GU_360;
constexpr std::int64_t kMercatorLimit = 86 * std::int64_t{GU_DEGREE};
constexpr std::int64_t kDensifyStep = GU_DEGREE;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && (a < 0)); }

// Makes longitudes continuous: a step of more than 180 degrees is taken as
// a crossing of the meridian. turn receives the longitude gained on the way
// (360 degrees times the turns round a pole).
Path Unwrap(const PointList& points, std::int64_t& turn) {
  Path path;
  path.reserve(points.size());
  std::int64_t offset = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i > 0) {
      const std::int64_t step = std::int64_t{points[i].X} - points[i - 1].X;
      if (step > k180) offset -= k360;
      if (step < -k180) offset += k360;
    }
    path.push_back({points[i].X + offset, points[i].Y});
  }
  turn = offset;
  return path;
}

Path ToPath(const PointList& ring) {
  Path path;
  path.reserve(ring.size());
  for (const TLLPoint& p : ring) path.push_back({p.X, p.Y});
  return path;
}

long double Area2(const Path& ring) {
  long double sum = 0;
  const std::size_t n = ring.size();
  for (std::size_t i = 0; i < n; ++i) {
    const Point64& a = ring[i];
    const Point64& b = ring[(i + 1) % n];
    sum += static_cast<long double>(a.x) * b.y - static_cast<long double>(b.x) * a.y;
  }
  return sum;
}

// Rounds n / d to the nearest integer, halves away from zero (d != 0).
std::int64_t DivRound(__int128 n, __int128 d) {
  if (d < 0) n = -n, d = -d;
  const __int128 q = (n >= 0 ? n + d / 2 : n - d / 2) / d;
  return static_cast<std::int64_t>(q);
}

// The point of segment a-b at longitude x (a.x != b.x).
Point64 AtLongitude(const Point64& a, const Point64& b, std::int64_t x) {
  return {x, a.y + DivRound(static_cast<__int128>(b.y - a.y) * (x - a.x), b.x - a.x)};
}
// The point of segment a-b at latitude y (a.y != b.y).
Point64 AtLatitude(const Point64& a, const Point64& b, std::int64_t y) {
  return {a.x + DivRound(static_cast<__int128>(b.x - a.x) * (y - a.y), b.y - a.y), y};
}

// Consecutive equal points taken once, and the last when it repeats the first.
void DropRepeats(Path& path) {
  path.erase(std::unique(path.begin(), path.end()), path.end());
  while (path.size() > 1 && path.back() == path.front()) path.pop_back();
}

// Cuts closed rings (the outer ring counter-clockwise, holes clockwise) by
// the line coordinate = c into the closed rings on either side. A point on
// the line counts as lying above it. Where a ring crosses the line, the
// crossings sorted along the line pair up into the stretches of the line that
// lie inside the shape; walking the rings and turning along those stretches
// at each crossing traces every piece once.
std::vector<Path> SplitPaths(const std::vector<Path>& rings, bool onY, std::int64_t c) {
  const auto coord = [onY](const Point64& p) { return onY ? p.y : p.x; };
  const auto along = [onY](const Point64& p) { return onY ? p.x : p.y; };
  struct Node {
    Point64 p;
    std::size_t next = 0;
    std::size_t partner = 0;
    bool crossing = false;
  };
  std::vector<Node> nodes;
  std::vector<std::size_t> crossings;
  for (const Path& ring : rings) {
    const std::size_t first = nodes.size(), n = ring.size();
    for (std::size_t i = 0; i < n; ++i) {
      const Point64& a = ring[i];
      const Point64& b = ring[(i + 1) % n];
      nodes.push_back({a});
      if ((coord(a) >= c) != (coord(b) >= c)) {
        nodes.push_back({onY ? AtLatitude(a, b, c) : AtLongitude(a, b, c), 0, 0, true});
        crossings.push_back(nodes.size() - 1);
      }
    }
    for (std::size_t k = first; k < nodes.size(); ++k)
      nodes[k].next = k + 1 < nodes.size() ? k + 1 : first;
  }
  std::stable_sort(crossings.begin(), crossings.end(), [&](std::size_t a, std::size_t b) {
    return along(nodes[a].p) < along(nodes[b].p);
  });
  for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
    nodes[crossings[i]].partner = crossings[i + 1];
    nodes[crossings[i + 1]].partner = crossings[i];
  }
  std::vector<Path> pieces;
  std::vector<bool> used(nodes.size(), false);
  for (std::size_t start = 0; start < nodes.size(); ++start) {
    if (nodes[start].crossing || used[start]) continue;
    Path piece;
    std::size_t k = start;
    do {
      used[k] = true;
      piece.push_back(nodes[k].p);
      const std::size_t j = nodes[k].next;
      if (!nodes[j].crossing) {
        k = j;
        continue;
      }
      // Along the line to the partner, a point every degree.
      const Point64 from = nodes[j].p, to = nodes[nodes[j].partner].p;
      piece.push_back(from);
      const std::int64_t span = along(to) - along(from), steps = std::abs(span) / kDensifyStep;
      for (std::int64_t s = 1; s < steps; ++s) {
        const std::int64_t at = along(from) + span * s / steps;
        piece.push_back(onY ? Point64{at, c} : Point64{c, at});
      }
      k = nodes[j].partner;
    } while (k != start);
    DropRepeats(piece);
    if (piece.size() >= 3 && Area2(piece) != 0) pieces.push_back(std::move(piece));
  }
  return pieces;
}

bool InPath(const Path& ring, const Point64& p) {
  return InsideRing(
      ring, p, [](const Point64& q) { return q.x; }, [](const Point64& q) { return q.y; });
}

// SplitPaths for a shape, with every piece's holes put with it; checks that
// the area is kept.
std::vector<std::vector<Path>> SplitRings(std::vector<Path> rings, bool onY, std::int64_t c) {
  long double before = 0;
  for (std::size_t r = 0; r < rings.size(); ++r) {
    const long double area = Area2(rings[r]);
    if ((r == 0) != (area > 0)) std::reverse(rings[r].begin(), rings[r].end());
    before += r == 0 ? std::fabs(area) : -std::fabs(area);
  }
  std::vector<std::vector<Path>> shapes;
  std::vector<Path> holes;
  long double after = 0;
  for (Path& piece : SplitPaths(rings, onY, c)) {
    const long double area = Area2(piece);
    after += area;
    if (area > 0) {
      shapes.push_back({std::move(piece)});
    } else {
      holes.push_back(std::move(piece));
    }
  }
  for (Path& hole : holes) {
    for (auto& shape : shapes)
      if (InPath(shape.front(), hole.front())) {
        shape.push_back(std::move(hole));
        break;
      }
  }
  if (std::fabs(after - before) > 1e-9L * std::fabs(before) + 1e12L)
    throw std::runtime_error("a shape does not split cleanly (does its outline cross itself?)");
  return shapes;
}

bool OnMeridian(const TLLPoint& p) { return p.X == GU_180 || p.X == -GU_180; }

// Adds a point every degree along edges that lie on the 180-degree meridian.
PointList Densify(const PointList& points, bool closed) {
  PointList out;
  const std::size_t n = points.size();
  for (std::size_t i = 0; i < n; ++i) {
    out.push_back(points[i]);
    if (!closed && i + 1 == n) break;
    const TLLPoint& a = points[i];
    const TLLPoint& b = points[(i + 1) % n];
    if (a.X != b.X || !OnMeridian(a)) continue;
    const std::int64_t span = std::int64_t{b.Y} - a.Y;
    const std::int64_t steps = std::abs(span) / kDensifyStep;
    for (std::int64_t s = 1; s < steps; ++s)
      out.push_back({a.X, static_cast<GlobeUnit>(a.Y + span * s / steps)});
  }
  return out;
}

// Back within +-180 degrees; consecutive equal points taken once.
PointList Shift(const Path& path, std::int64_t k, bool closed) {
  PointList out;
  for (const Point64& p : path) {
    const TLLPoint q{static_cast<GlobeUnit>(p.x - k * k360), static_cast<GlobeUnit>(p.y)};
    if (out.empty() || !(out.back() == q)) out.push_back(q);
  }
  if (closed)
    while (out.size() > 1 && out.back() == out.front()) out.pop_back();
  return out;
}

void XRange(const Path& path, std::int64_t& lo, std::int64_t& hi) {
  lo = hi = path.front().x;
  for (const Point64& p : path) lo = std::min(lo, p.x), hi = std::max(hi, p.x);
}

}  // namespace

long double RingArea2(const PointList& ring) { return Area2(ToPath(ring)); }

std::vector<PointList> CutRing(const PointList& ring) {
  std::vector<PointList> out;
  if (ring.size() < 4) return out;  // fewer than three corners: no area
  std::int64_t turn = 0;
  Path path = Unwrap(ring, turn);
  path.pop_back();  // the repeated first point (shifted by the turn, if any)
  if (turn != 0) {
    // Round a pole: close the ring along the pole nearest its points.
    long double latitudes = 0;
    for (const Point64& p : path) latitudes += p.y;
    const std::int64_t sign = latitudes < 0 ? -1 : 1;
    const std::int64_t startX = path.front().x, endX = startX + turn, y = path.front().y;
    path.push_back({endX, y});
    if (std::abs(y) < kMercatorLimit) path.push_back({endX, sign * kMercatorLimit});
    path.push_back({endX, sign * std::int64_t{GU_90}});
    path.push_back({startX, sign * std::int64_t{GU_90}});
    if (std::abs(y) < kMercatorLimit) path.push_back({startX, sign * kMercatorLimit});
  }
  DropRepeats(path);
  if (path.size() < 3 || Area2(path) == 0) return out;
  // Cut at every 180-degree meridian the unwrapped ring reaches.
  std::int64_t lo = 0, hi = 0;
  XRange(path, lo, hi);
  std::vector<Path> pieces = {path};
  for (std::int64_t k = FloorDiv(lo + k180, k360); k <= FloorDiv(hi + k180, k360); ++k) {
    const std::int64_t line = k180 + k * k360;
    if (line <= lo || line >= hi) continue;
    std::vector<Path> next;
    for (Path& piece : pieces)
      for (auto& shape : SplitRings({piece}, false, line)) next.push_back(std::move(shape.front()));
    pieces = std::move(next);
  }
  for (const Path& piece : pieces) {
    std::int64_t west = 0, east = 0;
    XRange(piece, west, east);
    PointList shifted = Shift(piece, FloorDiv(west + k180, k360), true);
    if (shifted.size() >= 3) out.push_back(Densify(shifted, true));
  }
  return out;
}

std::vector<Shape> SplitShape(const Shape& shape, bool alongLatitude, GlobeUnit at) {
  std::vector<Path> rings;
  for (const PointList& ring : shape) rings.push_back(ToPath(ring));
  std::vector<Shape> out;
  for (const auto& piece : SplitRings(std::move(rings), alongLatitude, at)) {
    Shape s;
    for (const Path& ring : piece) s.push_back(Shift(ring, 0, true));
    out.push_back(std::move(s));
  }
  return out;
}

std::vector<PointList> CutLine(const PointList& line) {
  std::vector<PointList> pieces;
  if (line.size() < 2) return pieces;
  std::int64_t turn = 0;
  const Path path = Unwrap(line, turn);
  std::int64_t lo = 0, hi = 0;
  XRange(path, lo, hi);
  for (std::int64_t k = FloorDiv(lo + k180, k360) - 1; k <= FloorDiv(hi + k180, k360) + 1; ++k) {
    const std::int64_t west = -k180 + k * k360, east = k180 + k * k360;
    const auto inside = [&](const Point64& p) { return p.x >= west && p.x <= east; };
    Path run;
    const auto flush = [&] {
      PointList piece = Shift(run, k, false);
      if (piece.size() >= 2) pieces.push_back(Densify(piece, false));
      run.clear();
    };
    for (std::size_t i = 0; i < path.size(); ++i) {
      const Point64& p = path[i];
      if (i > 0) {
        // Segments are shorter than 180 degrees, so one crosses at most one
        // edge of the strip.
        const Point64& q = path[i - 1];
        if (!inside(q) && inside(p)) run.push_back(AtLongitude(q, p, q.x < west ? west : east));
        if (inside(q) && !inside(p)) {
          run.push_back(AtLongitude(q, p, p.x > east ? east : west));
          flush();
        }
      }
      if (inside(p)) run.push_back(p);
    }
    flush();
  }
  return pieces;
}

}  // namespace meridex::maps
