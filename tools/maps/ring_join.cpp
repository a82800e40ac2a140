#include "ring_join.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "ring_cut.h"

namespace meridex::maps {

namespace {

struct Unit3 {
  double x, y, z;
};

// Sine and cosine of an angle in GlobeUnits by a fixed polynomial, so that
// the bridges (and so the files) come out the same with any maths library.
void SinCos(std::int64_t angle, double& s, double& c) {
  constexpr std::int64_t quarter = GU_90;
  std::int64_t q = angle / quarter, r = angle % quarter;  // angle = q * 90 degrees + r
  if (r < 0) r += quarter, q -= 1;
  if (r > quarter / 2) r -= quarter, q += 1;  // now |r| <= 45 degrees
  const double x = static_cast<double>(r) * (M_PI / GU_180), x2 = x * x;
  double sn = 0, cs = 0, term = x;
  for (int k = 1; k <= 19; k += 2) {  // x - x^3/3! + ..., then the cosine the same way
    sn += term;
    term *= -x2 / ((k + 1) * (k + 2));
  }
  term = 1;
  for (int k = 0; k <= 18; k += 2) {
    cs += term;
    term *= -x2 / ((k + 1) * (k + 2));
  }
  switch (((q % 4) + 4) % 4) {
    case 0:
      s = sn, c = cs;
      break;
    case 1:
      s = cs, c = -sn;
      break;
    case 2:
      s = -sn, c = -cs;
      break;
    default:
      s = -cs, c = sn;
      break;
  }
}

Unit3 ToUnit(const TLLPoint& p) {
  double sLon, cLon, sLat, cLat;
  SinCos(p.X, sLon, cLon);
  SinCos(p.Y, sLat, cLat);
  return {cLat * cLon, cLat * sLon, sLat};
}

double Distance2(const Unit3& a, const Unit3& b) {
  const double dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
  return dx * dx + dy * dy + dz * dz;
}

// Where a ring hangs in the tree: the parent's point the bridge leaves from
// and the ring's own point it arrives at.
struct Link {
  double distance = std::numeric_limits<double>::infinity();
  std::size_t parent = 0, parentPoint = 0, point = 0;
};

class Joiner {
 public:
  explicit Joiner(const std::vector<PointList>& rings) : rings_(rings) {
    units_.resize(rings.size());
    for (std::size_t r = 0; r < rings.size(); ++r)
      for (const TLLPoint& p : rings[r]) units_[r].push_back(ToUnit(p));
    children_.resize(rings.size());
  }

  PointList Run() {
    const std::size_t root = Largest();
    BuildTree(root);
    PointList out;
    Walk(root, 0, out);
    out.pop_back();  // the walk ends where it started
    return out;
  }

 private:
  std::size_t Largest() const {
    std::size_t best = 0;
    long double bestArea = -1;
    for (std::size_t r = 0; r < rings_.size(); ++r) {
      const long double area = std::fabs(RingArea2(rings_[r]));
      if (area > bestArea) best = r, bestArea = area;
    }
    return best;
  }

  // Prim's tree over the rings: always link the ring nearest to those
  // already linked (ties go to the lower index, so the result is fixed).
  void BuildTree(std::size_t root) {
    const std::size_t n = rings_.size();
    std::vector<Link> best(n);
    std::vector<bool> linked(n, false);
    linked[root] = true;
    std::size_t added = root;
    for (std::size_t step = 1; step < n; ++step) {
      for (std::size_t r = 0; r < n; ++r)
        if (!linked[r]) Improve(best[r], added, r);
      std::size_t next = n;
      for (std::size_t r = 0; r < n; ++r)
        if (!linked[r] && (next == n || best[r].distance < best[next].distance)) next = r;
      linked[next] = true;
      children_[best[next].parent].push_back({best[next].parentPoint, next, best[next].point});
      added = next;
    }
  }

  void Improve(Link& link, std::size_t from, std::size_t to) const {
    const std::vector<Unit3>& a = units_[from];
    const std::vector<Unit3>& b = units_[to];
    for (std::size_t i = 0; i < a.size(); ++i)
      for (std::size_t j = 0; j < b.size(); ++j) {
        const double d = Distance2(a[i], b[j]);
        if (d < link.distance) link = {d, from, i, j};
      }
  }

  // Walks ring r from its point start all the way round and back to it,
  // going over to each child ring at the point its bridge leaves from.
  void Walk(std::size_t r, std::size_t start, PointList& out) const {
    const PointList& ring = rings_[r];
    const std::size_t n = ring.size();
    for (std::size_t k = 0; k <= n; ++k) {
      const std::size_t i = (start + k) % n;
      out.push_back(ring[i]);
      if (k == n) break;
      for (const Child& c : children_[r]) {
        if (c.parentPoint != i) continue;
        Walk(c.ring, c.point, out);
        out.push_back(ring[i]);
      }
    }
  }

  struct Child {
    std::size_t parentPoint, ring, point;
  };

  const std::vector<PointList>& rings_;
  std::vector<std::vector<Unit3>> units_;
  std::vector<std::vector<Child>> children_;
};

}  // namespace

PointList JoinRings(const std::vector<PointList>& rings) {
  if (rings.empty()) return {};
  if (rings.size() == 1) return rings.front();
  return Joiner(rings).Run();
}

}  // namespace meridex::maps
