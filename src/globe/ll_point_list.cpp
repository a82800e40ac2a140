#include "globe/ll_point_list.h"

#include <atomic>

#include "globe/globe_exception.h"

namespace meridex {

void TLLPointList::Touch() {
  // Unique over the whole run, so that a new list never has an old one's.
  static std::atomic<std::uint64_t> versions{0};
  version_ = ++versions;
}

TLLPoint TLLPointList::Get(std::int32_t index) const {
  if (index < 0 || index >= count_)
    throw EGlobeException::Fmt("TLLPointList.%s: Bad Index %d", "Get", index);
  return points_[static_cast<std::size_t>(index)];
}

void TLLPointList::Set(std::int32_t index, TLLPoint p) {
  if (index < 0 || index >= count_)
    throw EGlobeException::Fmt("TLLPointList.%s: Bad Index %d", "Set", index);
  points_[static_cast<std::size_t>(index)] = p;
  Touch();
}

void TLLPointList::SetCapacity(std::int64_t n) {
  if (n < count_ || n > kMaxPoints)
    throw EGlobeException::Fmt("TLLPointList.SetCapacity: Bad Size %lld",
                               static_cast<long long>(n));
  if (n != Capacity()) {
    points_.resize(static_cast<std::size_t>(n));
    points_.shrink_to_fit();
  }
  Touch();
}

void TLLPointList::SetCount(std::int64_t n) {
  if (n < 0 || n > kMaxPoints)
    throw EGlobeException::Fmt("TLLPointList.SetCount: Bad Count %lld", static_cast<long long>(n));
  if (n > Capacity()) SetCapacity(n);
  for (std::int64_t i = count_; i < n; ++i) points_[static_cast<std::size_t>(i)] = TLLPoint{};
  count_ = static_cast<std::int32_t>(n);
  Touch();
}

void TLLPointList::Clear() {
  SetCount(0);
  SetCapacity(0);
}

void TLLPointList::Add(TLLPoint p) {
  if (count_ == Capacity()) {
    const std::int64_t grown = std::int64_t{count_} * 2 + 16;
    SetCapacity(grown > kMaxPoints ? kMaxPoints : grown);
  }
  SetCount(std::int64_t{count_} + 1);
  points_[static_cast<std::size_t>(count_ - 1)] = p;
  Touch();
}

}  // namespace meridex
