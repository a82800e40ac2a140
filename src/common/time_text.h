#pragma once

#include <string>
#include <string_view>

namespace meridex {

// A time of day to the minute.
struct TimeOfDay {
  int hour = 0;    // 0..23
  int minute = 0;  // 0..59
  friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

// "hh:mm a/p": the hour on the 12-hour clock as two digits (midnight and noon
// are 12), the minutes as two digits, a space, "a" before noon, "p" from noon.
std::string FormatTime12(TimeOfDay time);

// Reads a time as typed into the program's time fields: "hh:mm" optionally
// followed by ":ss" and by AM or PM (any case). With AM/PM the hour must be
// 1..12, without it 0..23. Blank positions of a masked field ('_') count as
// spaces. Throws ConversionError: 'text' is not a valid time.
TimeOfDay ParseTime12(std::string_view text);

}  // namespace meridex
