#include "posix_tz.h"

#include <cctype>

#include "record_fields.h"

namespace meridex::citydb {

namespace {

class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}
  bool atEnd() const { return pos_ >= text_.size(); }
  char peek() const { return atEnd() ? '\0' : text_[pos_]; }
  bool take(char c) {
    if (peek() != c) return false;
    ++pos_;
    return true;
  }
  // A run of digits (at most 3, enough for every field here).
  std::optional<int> number() {
    int value = 0;
    int digits = 0;
    while (std::isdigit(static_cast<unsigned char>(peek())) && digits < 3) {
      value = value * 10 + (text_[pos_++] - '0');
      ++digits;
    }
    if (digits == 0) return std::nullopt;
    return value;
  }
  // A zone abbreviation: letters, or anything between '<' and '>'.
  bool name() {
    if (take('<')) {
      while (!atEnd() && peek() != '>') ++pos_;
      return take('>');
    }
    int letters = 0;
    while (std::isalpha(static_cast<unsigned char>(peek()))) {
      ++pos_;
      ++letters;
    }
    return letters >= 3;
  }
  // [+-]hh[:mm[:ss]] in minutes (seconds dropped).
  std::optional<int> time() {
    int sign = 1;
    if (take('-')) {
      sign = -1;
    } else {
      take('+');
    }
    const auto hours = number();
    if (!hours) return std::nullopt;
    int minutes = *hours * 60;
    if (take(':')) {
      const auto m = number();
      if (!m) return std::nullopt;
      minutes += *m;
      if (take(':') && !number()) return std::nullopt;
    }
    return sign * minutes;
  }
  std::optional<PosixChange> change() {
    if (!take('M')) return std::nullopt;  // Jn and n dates are not used by any current zone
    PosixChange c;
    const auto month = number();
    if (!month || !take('.')) return std::nullopt;
    const auto week = number();
    if (!week || !take('.')) return std::nullopt;
    const auto weekDay = number();
    if (!weekDay) return std::nullopt;
    if (*month < 1 || *month > 12 || *week < 1 || *week > 5 || *weekDay > 6) return std::nullopt;
    c.month = *month;
    c.week = *week;
    c.weekDay = *weekDay;
    if (take('/')) {
      const auto t = time();
      if (!t) return std::nullopt;
      c.timeMinutes = *t;
    }
    return c;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

constexpr int kDaysInMonth[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Where a change lands in the rule's frame: the month's first possible day,
// the weekday (0 = Sunday) and the standard hour; nullopt when the shifted
// window of seven days leaves the month in some year.
struct Placed {
  int month, firstDay, weekDay, hour;
};
std::optional<Placed> Place(const PosixChange& c, int frameShiftMinutes) {
  // February's last week moves with leap years; no fixed first day covers it.
  if (c.week == 5 && c.month == 2) return std::nullopt;
  const int minutes = c.timeMinutes + frameShiftMinutes;
  const int hour = -FloorDiv(-minutes, 60);  // the first whole hour at or after the change
  const int dayShift = FloorDiv(hour, 24);
  const int firstDay = (c.week == 5 ? kDaysInMonth[c.month] - 6 : 7 * (c.week - 1) + 1) + dayShift;
  if (firstDay < 1 || firstDay + 6 > kDaysInMonth[c.month]) return std::nullopt;
  return Placed{c.month, firstDay, ((c.weekDay + dayShift) % 7 + 7) % 7, hour - 24 * dayShift};
}

}  // namespace

std::optional<PosixTz> ParsePosixTz(std::string_view text) {
  Cursor in(text);
  PosixTz tz;
  if (!in.name()) return std::nullopt;
  const auto standard = in.time();
  if (!standard) return std::nullopt;
  tz.standardMinutes = -*standard;  // POSIX counts hours west of Greenwich
  if (in.atEnd()) return tz;
  if (!in.name()) return std::nullopt;
  tz.daylightMinutes = tz.standardMinutes + 60;
  if (in.peek() != ',' && !in.atEnd()) {
    const auto daylight = in.time();
    if (!daylight) return std::nullopt;
    tz.daylightMinutes = -*daylight;
  }
  if (in.atEnd()) return tz;
  if (!in.take(',')) return std::nullopt;
  tz.toDaylight = in.change();
  if (!tz.toDaylight || !in.take(',')) return std::nullopt;
  tz.toStandard = in.change();
  if (!tz.toStandard || !in.atEnd()) return std::nullopt;
  return tz;
}

RuleParts RulePartsFromPosix(const PosixTz& tz, int baseMinutes) {
  RuleParts parts;
  if (!tz.daylightMinutes || !tz.toDaylight || !tz.toStandard) return parts;
  const int low = std::min(tz.standardMinutes, *tz.daylightMinutes);
  const int high = std::max(tz.standardMinutes, *tz.daylightMinutes);
  if (low != baseMinutes || high != baseMinutes + 60) return parts;
  // The change into the higher offset is given in the lower offset's local
  // time and the change back in the higher one's, whichever POSIX calls
  // daylight.
  const bool normal = *tz.daylightMinutes > tz.standardMinutes;
  const PosixChange& up = normal ? *tz.toDaylight : *tz.toStandard;
  const PosixChange& down = normal ? *tz.toStandard : *tz.toDaylight;
  const int frameHourMinutes = FloorDiv(baseMinutes, 60) * 60;

  if (const auto s = Place(up, frameHourMinutes - low)) {
    parts.start =
        StartPart{static_cast<std::uint8_t>(s->month), static_cast<std::uint8_t>(s->firstDay),
                  static_cast<std::uint8_t>(s->weekDay + 1), static_cast<std::uint8_t>(s->hour)};
  }
  if (const auto e = Place(down, frameHourMinutes - high); e && e->weekDay == 0) {
    parts.end = EndPart{static_cast<std::uint8_t>(e->month), static_cast<std::uint8_t>(e->firstDay),
                        1, static_cast<std::uint8_t>(e->hour)};
  }
  return parts;
}

}  // namespace meridex::citydb
