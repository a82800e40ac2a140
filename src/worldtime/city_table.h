#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace meridex {

// The eight daylight-saving bytes of a location, in their order on disk.
// StartMonth 0 means the location never has daylight saving.
struct DaylightSavingRule {
  std::uint8_t EndHour = 0;        // 0..23, standard-time hour at which DST ends
  std::uint8_t EndSundayFlag = 0;  // 1: first Sunday on or after EndDay
  std::uint8_t EndMonth = 0;       // 1..12
  std::uint8_t EndDay = 0;         // 1..31
  std::uint8_t StartHour = 0;      // 0..23, standard-time hour at which DST starts
  std::uint8_t StartWeekDay =
      0;  // 0: StartDay itself; 1..7 (Sunday..Saturday): first such day on or after it
  std::uint8_t StartMonth = 0;  // 1..12, 0 = no daylight saving
  std::uint8_t StartDay = 0;    // 1..31

  friend bool operator==(const DaylightSavingRule&, const DaylightSavingRule&) = default;
};

enum : std::uint8_t { kOriginCustom = 1, kOriginDatabase = 2 };

// Maximum lengths of the text fields.
inline constexpr std::size_t kNameLength = 27;
inline constexpr std::size_t kStateLength = 16;
inline constexpr std::size_t kCountryLength = 20;
inline constexpr std::size_t kLongitudeLength = 7;
inline constexpr std::size_t kLatitudeLength = 6;

// One location.
struct CityEntry {
  std::string Name;  // as stored: database names are padded to 27 characters
  std::string State;
  std::string Country;
  std::string Longitude;
  std::string Latitude;
  int WeekDay = 0;                  // local weekday 1 = Sunday .. 7 = Saturday; 0 until computed
  std::string LocalTimeText;        // "hh:mm a/p"; empty until computed
  std::uint8_t BaseHourOffset = 0;  // standard hours ahead of UTC modulo 24 (13..23 = -11..-1)
  std::uint8_t HourOffset = 0;      // BaseHourOffset plus one during DST, 24 wrapping to 0
  std::uint8_t MinuteOffset = 0;    // minutes always added to the hour offset
  std::uint8_t ExtraAttribute = 0;
  std::uint8_t Origin = 0;  // kOriginDatabase or kOriginCustom
  DaylightSavingRule Rule;
};

inline constexpr int kCitySlots = 600;
// The slot after the last location stays empty, so one slot is never used.
inline constexpr int kMaxCities = kCitySlots - 1;

// Byte-wise unsigned comparison of stored names; a prefix sorts first.
bool NameLess(std::string_view a, std::string_view b);

// All locations, the city database merged with the custom locations in name
// order, with their Hot List flags.
struct CityTable {
  std::array<CityEntry, kCitySlots> Entries;
  // '1' in the Hot List, '0' not, '\0' nothing read or set (not in the Hot
  // List). Flag i belongs to entry i.
  std::array<char, kCitySlots> HotListFlags{};
  int Count = 0;
  // Weekday at the reference location in standard time; 0 until computed.
  int ReferenceWeekDay = 0;
  // The user's own locations that did not fit (the table holds 599), in name
  // order. Not shown, but kept, so that writing the custom list never drops
  // them from its file.
  std::vector<CityEntry> LeftOutCustom;

  bool inHotList(int index) const { return HotListFlags[static_cast<std::size_t>(index)] == '1'; }
  int hotListCount() const;
  // Table index of Hot List row `row` (the row+1-th flagged entry), or -1.
  int hotListRowToIndex(int row) const;

  // Empties every slot and flag.
  void clear();
  // Inserts an entry at index, moving the later entries (with their flags) up
  // one slot. The caller keeps the order and checks there is room.
  void insert(int index, CityEntry entry, char flag);
  // Removes the entry at index, moving the later entries (with their flags)
  // down one slot; the vacated last slot is emptied.
  void remove(int index);
};

}  // namespace meridex
