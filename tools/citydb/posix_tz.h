#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace meridex::citydb {

// A change of a POSIX TZ rule: day `weekDay` (0 = Sunday) of week `week`
// (1..4, 5 = the last) of `month`, at `timeMinutes` past that day's midnight
// in the local time in force before the change (may be negative or beyond a
// day).
struct PosixChange {
  int month = 0;
  int week = 0;
  int weekDay = 0;
  int timeMinutes = 120;
};

// A POSIX TZ string such as a zone file's footer,
// "EST5EDT,M3.2.0,M11.1.0" or "<-04>4<-03>,M9.1.6/24,M4.1.6/24".
struct PosixTz {
  int standardMinutes = 0;                // UTC offset east of the first (standard) time
  std::optional<int> daylightMinutes;     // of the second time, when there is one
  std::optional<PosixChange> toDaylight;  // given in standard local time
  std::optional<PosixChange> toStandard;  // given in daylight local time
};

// Parses the string; nullopt for what it does not understand (day-of-year
// dates "Jn" and "n", or a malformed string).
std::optional<PosixTz> ParsePosixTz(std::string_view text);

// The two halves of the eight rule bytes.
struct StartPart {
  std::uint8_t Month = 0, Day = 0, WeekDay = 0, Hour = 0;
  friend bool operator==(const StartPart&, const StartPart&) = default;
};
struct EndPart {
  std::uint8_t Month = 0, Day = 0, SundayFlag = 0, Hour = 0;
  friend bool operator==(const EndPart&, const EndPart&) = default;
};

// The rule bytes that reproduce a POSIX rule, for a zone whose standard
// (lower) offset is `baseMinutes` and whose daylight offset is one hour more.
// Changes are moved into the rule's frame: the base offset's whole hours,
// so a change at 02:00 daylight time falls at standard hour 1, and one at
// 01:30 in a half-hour zone at hour 2 (the hour at which the listed time is
// right again; a change between hours can only be met to the hour). A part
// is empty when the rule cannot say it: an end that does not fall on a Sunday,
// or a weekday rule that leaves its month in some years. Zones whose lower
// time is the POSIX "daylight" one (negative saving) come out the same way.
struct RuleParts {
  std::optional<StartPart> start;
  std::optional<EndPart> end;
};
RuleParts RulePartsFromPosix(const PosixTz& tz, int baseMinutes);

}  // namespace meridex::citydb
