#include "globe/clipper.h"

#include <algorithm>
#include <utility>

namespace meridex {

namespace {

// a * b / c rounded half away from zero, in 128 bits; c must not be 0.
__int128 MulDivRounded(std::int64_t a, std::int64_t b, std::int64_t c) {
  __int128 product = static_cast<__int128>(a) * b;
  const bool negative = (product < 0) != (c < 0);
  if (product < 0) product = -product;
  const __int128 divisor = c < 0 ? -static_cast<__int128>(c) : c;
  const __int128 q = (product + divisor / 2) / divisor;
  return negative ? -q : q;
}

}  // namespace

std::int64_t MulDiv64(std::int64_t a, std::int64_t b, std::int64_t c) {
  if (c == 0) return 0;
  const __int128 q = MulDivRounded(a, b, c);
  return q > INT64_MAX || q < INT64_MIN ? 0 : static_cast<std::int64_t>(q);
}

std::int32_t MulDiv(std::int64_t a, std::int64_t b, std::int64_t c) {
  if (c == 0) return -1;
  const __int128 q = MulDivRounded(a, b, c);
  return q > INT32_MAX || q < INT32_MIN ? -1 : static_cast<std::int32_t>(q);
}

namespace {

std::uint8_t OutCode(std::int64_t x, std::int64_t y, const TRect& clip) {
  std::uint8_t code = 0;
  if (y < clip.Top) code |= 1;
  if (y > clip.Bottom) code |= 2;
  if (x < clip.Left) code |= 4;
  if (x > clip.Right) code |= 8;
  return code;
}

enum class Edge { Top, Right, Bottom, Left };

bool Outside(Edge edge, const TLLPoint& p, const TRect& clip) {
  switch (edge) {
    case Edge::Top:
      return p.Y < clip.Top;
    case Edge::Right:
      return p.X > clip.Right;
    case Edge::Bottom:
      return p.Y > clip.Bottom;
    case Edge::Left:
      return p.X < clip.Left;
  }
  return false;
}

TLLPoint Intersection(Edge edge, const TLLPoint& prev, const TLLPoint& cur, const TRect& clip) {
  const bool horizontal = edge == Edge::Top || edge == Edge::Bottom;
  std::int64_t v = 0;
  switch (edge) {
    case Edge::Top:
      v = std::int64_t{clip.Top} - 1;
      break;
    case Edge::Right:
      v = clip.Right;
      break;
    case Edge::Bottom:
      v = clip.Bottom;
      break;
    case Edge::Left:
      v = std::int64_t{clip.Left} - 1;
      break;
  }
  if (horizontal) {
    const std::int64_t x =
        MulDiv(v - cur.Y, std::int64_t{prev.X} - cur.X, std::int64_t{prev.Y} - cur.Y) +
        std::int64_t{cur.X};
    return {Wrap32(x), Wrap32(v)};
  }
  const std::int64_t y =
      MulDiv(v - cur.X, std::int64_t{prev.Y} - cur.Y, std::int64_t{prev.X} - cur.X) +
      std::int64_t{cur.Y};
  return {Wrap32(v), Wrap32(y)};
}

// One Sutherland-Hodgman pass from in[0..n-1] into out; in has room for n + 1.
int ClipPass(Edge edge, TLLPoint* in, int n, bool closed, TLLPoint* out, const TRect& clip) {
  in[n] = closed ? in[0] : in[n - 1];
  int m = 0;
  TLLPoint prev = in[0];
  for (int k = 0; k < n; ++k) {
    const TLLPoint cur = in[k + 1];
    const bool prevOut = Outside(edge, prev, clip);
    const bool curOut = Outside(edge, cur, clip);
    if (!prevOut) out[m++] = prev;
    if (prevOut != curOut) out[m++] = Intersection(edge, prev, cur, clip);
    prev = cur;
  }
  return m;
}

}  // namespace

std::uint8_t PointsClipCode(const TLLPoint* points, int count, const TRect& clip, bool& visible) {
  if (count < 2) {
    visible = false;
    return CLIP_ALL;
  }
  std::int32_t minX = points[0].X, maxX = points[0].X, minY = points[0].Y, maxY = points[0].Y;
  for (int i = 1; i < count; ++i) {
    minX = std::min(minX, points[i].X);
    maxX = std::max(maxX, points[i].X);
    minY = std::min(minY, points[i].Y);
    maxY = std::max(maxY, points[i].Y);
  }
  const std::uint8_t c00 = OutCode(minX, minY, clip);
  const std::uint8_t c11 = OutCode(maxX, maxY, clip);
  const std::uint8_t c10 = OutCode(maxX, minY, clip);
  const std::uint8_t c01 = OutCode(minX, maxY, clip);
  const bool allOutside = c00 != 0 && c11 != 0 && c10 != 0 && c01 != 0;
  visible = !(allOutside && (c00 & c11) != 0);
  return static_cast<std::uint8_t>(c00 * 16 + c11);
}

int ClipPolyPoints(TPointBuffers& buffers, int count, bool closed, std::uint8_t mask,
                   const TRect& clip) {
  static constexpr std::pair<Edge, std::uint8_t> kPasses[] = {
      {Edge::Top, 0x11}, {Edge::Right, 0x88}, {Edge::Bottom, 0x22}, {Edge::Left, 0x44}};
  bool inClip = false;  // where the current points are
  int n = count;
  for (const auto& [edge, bits] : kPasses) {
    if (n <= 1) break;
    if (mask != CLIP_ALL && (mask & bits) == 0) continue;
    // A pass emits at most two points per input point.
    const std::size_t need = 2 * static_cast<std::size_t>(n) + 1;
    buffers.Reserve(need);
    buffers.ReserveClip(need);
    TLLPoint* in = inClip ? buffers.Clip.data() : buffers.Points.data();
    TLLPoint* out = inClip ? buffers.Points.data() : buffers.Clip.data();
    n = ClipPass(edge, in, n, closed, out, clip);
    inClip = !inClip;
  }
  if (inClip) std::copy_n(buffers.Clip.begin(), n, buffers.Points.begin());
  return n;
}

}  // namespace meridex
