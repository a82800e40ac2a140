#pragma once

#include <optional>
#include <string>

#include "common/clock.h"
#include "common/time_text.h"
#include "worldtime/city_table.h"

namespace meridex {

// The stored name of the location whose standard-time weekday aligns the
// list columns: "Honolulu" padded to 27 characters.
inline constexpr const char* kReferenceName = "Honolulu                   ";

// Whether daylight saving is in force under `rule` at a location whose
// standard-time date is year-month-day and whose standard-time hour is `hour`.
// Throws ConversionError when the rule's start or end date does not exist in
// that year (checked only in the start or end month).
bool DaylightSavingInForce(const DaylightSavingRule& rule, int year, unsigned month, unsigned day,
                           int hour);

// The entry's effective hours ahead of UTC (modulo 24) at `utc`: its
// standard offset, plus one while daylight saving is in force. With a
// forecast time of day the date comes from `utc` and the hour from the
// forecast. Throws ConversionError naming the location and its file when its
// rule names a day that does not exist.
std::uint8_t EffectiveHourOffset(const CityEntry& entry, UtcTime utc,
                                 std::optional<TimeOfDay> forecast = std::nullopt);

// The daylight-saving pass: sets every entry's HourOffset and the table's
// ReferenceWeekDay for the UTC instant `utc`. With a forecast time of day the
// date still comes from `utc` but the hour is the forecast's. On a rule error
// the pass stops at the failing entry (later entries keep their offsets) and
// the ConversionError propagates.
void RefreshHourOffsets(CityTable& table, UtcTime utc,
                        std::optional<TimeOfDay> forecast = std::nullopt);

// An entry's local time from its effective offsets: its LocalTimeText and
// WeekDay (an HourOffset above 13 counts as west of Greenwich).
void ComputeLocalTime(CityEntry& entry, UtcTime utc);

// The time of day of an instant.
TimeOfDay TimeOfDayOf(UtcTime utc);
TimeOfDay TimeOfDayOf(LocalTime local);

// A row of the city lists: two spaces, the local time text, two spaces, the
// day abbreviation, the padding (three spaces for the abbreviations that the
// reference weekday's column would otherwise push out of line, four
// otherwise) and the stored name.
std::string ListRowText(const CityEntry& entry, int referenceWeekDay);

// "Su" .. "Sa" and "Sunday" .. "Saturday" for weekdays 1..7; empty otherwise.
std::string DayAbbreviation(int weekDay);
std::string DayName(int weekDay);

}  // namespace meridex
