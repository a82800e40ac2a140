#include "zone_compare.h"

#include <cctype>
#include <vector>

namespace meridex::citydb {

std::optional<ZoneDifference> CompareZone(const ZoneInfo& base, const ZoneInfo& other,
                                          const std::string& zone, std::chrono::sys_seconds start,
                                          int count) {
  if (count <= 0) return std::nullopt;
  const std::vector<int> mine = HourlyOffsets(base, zone, start, count);
  ZoneDifference d;
  if (!other.has(zone)) {
    d.missing = true;
    d.hours = count;
    d.first = start;
    d.offset = mine.front();
    return d;
  }
  const std::vector<int> theirs = HourlyOffsets(other, zone, start, count);
  for (int h = 0; h < count; ++h) {
    const auto i = static_cast<std::size_t>(h);
    if (mine[i] == theirs[i]) continue;
    if (d.hours++ == 0) {
      d.first = start + std::chrono::hours{h};
      d.offset = mine[i];
      d.otherOffset = theirs[i];
    }
  }
  if (d.hours == 0) return std::nullopt;
  return d;
}

namespace {

// "2026f": four digits and lower-case letters (IANA's releases after "z" go
// on with "za", "zb").
bool IsRelease(const std::string& v) {
  if (v.size() < 5) return false;
  for (std::size_t i = 0; i < v.size(); ++i) {
    const auto c = static_cast<unsigned char>(v[i]);
    if (i < 4 ? !std::isdigit(c) : !std::islower(c)) return false;
  }
  return true;
}

}  // namespace

std::optional<int> CompareReleases(const std::string& a, const std::string& b) {
  if (!IsRelease(a) || !IsRelease(b)) return std::nullopt;
  // Year first, then the letters: "z" < "za" < "zb", as their plain order has it.
  const int order = a.compare(b);
  return order < 0 ? -1 : order > 0 ? 1 : 0;
}

}  // namespace meridex::citydb
