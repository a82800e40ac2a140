#include "worldtime/city_table.h"

#include <cassert>
#include <utility>

namespace meridex {

bool NameLess(std::string_view a, std::string_view b) {
  // char_traits<char> compares as unsigned char, so this is the byte order.
  return a.compare(b) < 0;
}

int CityTable::hotListCount() const {
  int rows = 0;
  for (int i = 0; i < Count; ++i) rows += inHotList(i);
  return rows;
}

int CityTable::hotListRowToIndex(int row) const {
  if (row < 0) return -1;
  for (int i = 0; i < kCitySlots; ++i) {
    if (inHotList(i) && row-- == 0) return i;
  }
  return -1;
}

void CityTable::clear() {
  Entries.fill(CityEntry{});
  HotListFlags.fill('\0');
  Count = 0;
  LeftOutCustom.clear();
}

void CityTable::insert(int index, CityEntry entry, char flag) {
  assert(index >= 0 && index <= Count && Count < kMaxCities);
  for (int i = Count; i > index; --i) {
    Entries[static_cast<std::size_t>(i)] = std::move(Entries[static_cast<std::size_t>(i - 1)]);
    HotListFlags[static_cast<std::size_t>(i)] = HotListFlags[static_cast<std::size_t>(i - 1)];
  }
  Entries[static_cast<std::size_t>(index)] = std::move(entry);
  HotListFlags[static_cast<std::size_t>(index)] = flag;
  ++Count;
}

void CityTable::remove(int index) {
  assert(index >= 0 && index < Count);
  for (int i = index; i + 1 < Count; ++i) {
    Entries[static_cast<std::size_t>(i)] = std::move(Entries[static_cast<std::size_t>(i + 1)]);
    HotListFlags[static_cast<std::size_t>(i)] = HotListFlags[static_cast<std::size_t>(i + 1)];
  }
  --Count;
  Entries[static_cast<std::size_t>(Count)] = CityEntry{};
  HotListFlags[static_cast<std::size_t>(Count)] = '\0';
}

}  // namespace meridex
