#pragma once

#include <cstdint>
#include <memory_resource>
#include <vector>

#include "globe/globe_types.h"

namespace meridex {

class TGlobeReader;
class TGlobeWriter;

// The geographic points of a line or polygon.
// Invariants: 0 <= Count <= Capacity <= 134,217,727; points between an old and
// a new larger Count are zero.
class TLLPointList {
 public:
  static constexpr std::int32_t kMaxPoints = 134'217'727;

  // The points come from memory (an object's from its layer's). A list made
  // from another, by copy or by move, keeps its points on the heap, so that
  // it outlives the layer; assigning keeps the memory of the list assigned to.
  TLLPointList() = default;
  explicit TLLPointList(std::pmr::memory_resource& memory) : points_(&memory) {}
  TLLPointList(const TLLPointList&) = default;
  TLLPointList(TLLPointList&& other)
      : points_(std::move(other.points_), std::pmr::get_default_resource()),
        count_(other.count_),
        version_(other.version_) {}
  TLLPointList& operator=(const TLLPointList&) = default;
  TLLPointList& operator=(TLLPointList&&) = default;

  std::int32_t Count() const { return count_; }
  std::int32_t Capacity() const { return static_cast<std::int32_t>(points_.size()); }
  const TLLPoint* Points() const { return points_.data(); }
  // The points to change: marks the list changed, so write through the
  // pointer before the list is next measured or drawn.
  TLLPoint* MutablePoints() {
    Touch();
    return points_.data();
  }
  // Changes with every change of the list: what was computed from the
  // points at one version holds as long as the version stays.
  std::uint64_t Version() const { return version_; }

  // Throws EGlobeException "TLLPointList.Get: Bad Index %d".
  TLLPoint Get(std::int32_t index) const;
  void Set(std::int32_t index, TLLPoint p);
  // Throws "TLLPointList.SetCount: Bad Count %d" outside 0..kMaxPoints.
  void SetCount(std::int64_t n);
  // Throws "TLLPointList.SetCapacity: Bad Size %d" below Count or above kMaxPoints.
  void SetCapacity(std::int64_t n);
  void Clear();
  void Add(TLLPoint p);

  // The point-list record of a layer file. firstPoint is the object's
  // location, which files before version 0x220 use as the first vertex.
  void ReadFromStream(TGlobeReader& stream, TLLPoint firstPoint);
  void WriteToStream(TGlobeWriter& stream) const;

 private:
  void Touch();

  std::pmr::vector<TLLPoint> points_;  // size() is the capacity
  std::int32_t count_ = 0;
  std::uint64_t version_ = 0;
};

// Cached earth coordinates of one object for the spherical view: points on a
// sphere of radius 309,393,000 (GlobeUnits of length).
struct T3DPoint {
  std::int32_t X = 0, Y = 0, Z = 0;
};

class TWorld3DPrjData {
 public:
  explicit TWorld3DPrjData(std::int32_t n,
                           std::pmr::memory_resource& memory = *std::pmr::get_default_resource())
      : Points(&memory) {
    SetCount(n);
  }
  void SetCount(std::int32_t n) {
    Points.assign(static_cast<std::size_t>(n < 0 ? 0 : n), T3DPoint{});
    Points.shrink_to_fit();
    Count = Capacity = static_cast<std::int32_t>(Points.size());
  }
  // Keeps the first n records (n <= Count) without touching them.
  void Truncate(std::int32_t n) {
    Points.resize(static_cast<std::size_t>(n));
    Count = Capacity = n;
  }

  std::pmr::vector<T3DPoint> Points;
  std::int32_t Capacity = 0;
  std::int32_t Count = 0;
};

}  // namespace meridex
