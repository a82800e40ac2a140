#pragma once

#include <cstdint>

#include "globe/globe_types.h"
#include "globe/point_buffer.h"

namespace meridex {

// Clip codes: bit 1 above the top edge, 2 below the bottom, 4 left of the left
// edge, 8 right of the right edge. A rectangle's code holds the code of its
// minimum corner in the high nibble and of its maximum corner in the low one;
// 255 means "not visible" or "clip against every edge".
inline constexpr std::uint8_t CLIP_ALL = 255;

// 64-bit a * b / c rounded half away from zero; -1 when c is 0 or the result
// does not fit 32 bits.
std::int32_t MulDiv(std::int64_t a, std::int64_t b, std::int64_t c);
// The same rounding without the 32-bit limit; 0 when c is 0. For a and b of
// at most 33 bits.
std::int64_t MulDiv64(std::int64_t a, std::int64_t b, std::int64_t c);

// Classifies points[0..count-1] against clip (pixels, Right and Bottom
// exclusive). visible is false when fewer than two points are given or their
// bounding box lies wholly beyond one edge.
std::uint8_t PointsClipCode(const TLLPoint* points, int count, const TRect& clip, bool& visible);

// Clips the polyline or polygon in buffers.Points[0..count-1] against clip and
// leaves the result there; returns its point count. Each boundary lies one
// pixel outside the visible area so that edges made by clipping never show.
// mask selects the edges to clip against (255 = all).
int ClipPolyPoints(TPointBuffers& buffers, int count, bool closed, std::uint8_t mask,
                   const TRect& clip);

}  // namespace meridex
