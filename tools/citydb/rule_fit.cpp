#include "rule_fit.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>

#include "record_fields.h"
#include "worldtime/local_time.h"

namespace meridex::citydb {

namespace {

using std::chrono::days;
using std::chrono::hours;
using std::chrono::sys_days;
using std::chrono::sys_seconds;
using std::chrono::year_month_day;

// Days a rule may name in a month in every year (never the 29th of February).
constexpr int kRuleDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The real state of every hour of one month of one year, in the rule's frame
// (standard time, whole hours), in time order.
struct MonthHours {
  int year = 0;
  std::vector<std::uint8_t> day, hour;
  std::vector<int> dstBefore{0};  // dstBefore[k]: daylight hours among the first k

  int size() const { return static_cast<int>(day.size()); }
  int dst() const { return dstBefore.back(); }
};

struct ZoneHours {
  int years = 0;
  std::array<std::vector<MonthHours>, 13> months;  // [month][year index]
  std::set<unsigned> upMonths, downMonths;         // months with a change up / down
  std::vector<int> upsInYear, downsInYear;         // changes up / down in each year
};

ZoneHours Collect(const OffsetFunction& offsetAt, int baseMinutes, int firstYear, int years) {
  ZoneHours z;
  z.years = years;
  for (auto& m : z.months) m.resize(static_cast<std::size_t>(years));
  z.upsInYear.assign(static_cast<std::size_t>(years), 0);
  z.downsInYear.assign(static_cast<std::size_t>(years), 0);
  const hours frame{FloorDiv(baseMinutes, 60)};
  const sys_days first{std::chrono::year{firstYear} / 1 / 1};
  const sys_days last{std::chrono::year{firstYear + years} / 1 / 1};
  bool previous = offsetAt(sys_seconds{first - frame - hours{1}}) == baseMinutes + 60;
  for (sys_days date = first; date < last; date += days{1}) {
    const year_month_day ymd{date};
    const unsigned month{ymd.month()};
    const auto yearIndex = static_cast<std::size_t>(int{ymd.year()} - firstYear);
    MonthHours& mh = z.months[month][yearIndex];
    mh.year = int{ymd.year()};
    for (int h = 0; h < 24; ++h) {
      const bool dst = offsetAt(sys_seconds{date + hours{h} - frame}) == baseMinutes + 60;
      mh.day.push_back(static_cast<std::uint8_t>(unsigned{ymd.day()}));
      mh.hour.push_back(static_cast<std::uint8_t>(h));
      mh.dstBefore.push_back(mh.dstBefore.back() + (dst ? 1 : 0));
      if (dst != previous) {
        (dst ? z.upMonths : z.downMonths).insert(month);
        ++(dst ? z.upsInYear : z.downsInYear)[yearIndex];
      }
      previous = dst;
    }
  }
  return z;
}

bool Engine(const DaylightSavingRule& rule, const MonthHours& mh, unsigned month, int k) {
  return DaylightSavingInForce(rule, mh.year, month, mh.day[static_cast<std::size_t>(k)],
                               mh.hour[static_cast<std::size_t>(k)]);
}

// Within its start month a rule is off and then on, within its end month on
// and then off; the first hour at which the engine's answer differs from the
// month's first hour is found by bisection, asking the engine itself.
int FirstFlip(const DaylightSavingRule& rule, const MonthHours& mh, unsigned month, bool before) {
  int lo = 0;
  int hi = mh.size();
  while (lo < hi) {
    const int mid = (lo + hi) / 2;
    if (Engine(rule, mh, month, mid) == before) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  return lo;
}

FitScore EmptyScore(int years) {
  return FitScore{0, std::vector<long>(static_cast<std::size_t>(years), 0)};
}

DaylightSavingRule WithStart(const StartPart& p) {
  DaylightSavingRule r;
  r.StartMonth = p.Month;
  r.StartDay = p.Day;
  r.StartWeekDay = p.WeekDay;
  r.StartHour = p.Hour;
  r.EndMonth = static_cast<std::uint8_t>(p.Month % 12 + 1);  // any other month
  r.EndDay = 1;
  return r;
}

DaylightSavingRule WithEnd(const EndPart& p) {
  DaylightSavingRule r;
  r.StartMonth = static_cast<std::uint8_t>(p.Month % 12 + 1);  // any other month
  r.StartDay = 1;
  r.EndMonth = p.Month;
  r.EndDay = p.Day;
  r.EndSundayFlag = p.SundayFlag;
  r.EndHour = p.Hour;
  return r;
}

// Wrong hours of a start within its month (the start month's answer depends on
// the start bytes alone).
FitScore ScoreStart(const ZoneHours& z, const StartPart& p) {
  FitScore s = EmptyScore(z.years);
  const DaylightSavingRule rule = WithStart(p);
  for (int y = 0; y < z.years; ++y) {
    const MonthHours& mh = z.months[p.Month][static_cast<std::size_t>(y)];
    const int k = FirstFlip(rule, mh, p.Month, false);
    const long wrong = mh.dstBefore[static_cast<std::size_t>(k)] +
                       ((mh.size() - k) - (mh.dst() - mh.dstBefore[static_cast<std::size_t>(k)]));
    s.byYear[static_cast<std::size_t>(y)] += wrong;
    s.total += wrong;
  }
  return s;
}

FitScore ScoreEnd(const ZoneHours& z, const EndPart& p) {
  FitScore s = EmptyScore(z.years);
  const DaylightSavingRule rule = WithEnd(p);
  for (int y = 0; y < z.years; ++y) {
    const MonthHours& mh = z.months[p.Month][static_cast<std::size_t>(y)];
    const int k = FirstFlip(rule, mh, p.Month, true);
    const long wrong = (k - mh.dstBefore[static_cast<std::size_t>(k)]) +
                       (mh.dst() - mh.dstBefore[static_cast<std::size_t>(k)]);
    s.byYear[static_cast<std::size_t>(y)] += wrong;
    s.total += wrong;
  }
  return s;
}

// Wrong hours in the months between, where only the two months matter.
FitScore ScoreBetween(const ZoneHours& z, unsigned startMonth, unsigned endMonth) {
  FitScore s = EmptyScore(z.years);
  DaylightSavingRule rule;
  rule.StartMonth = static_cast<std::uint8_t>(startMonth);
  rule.EndMonth = static_cast<std::uint8_t>(endMonth);
  for (unsigned m = 1; m <= 12; ++m) {
    if (m == startMonth || m == endMonth) continue;
    for (int y = 0; y < z.years; ++y) {
      const MonthHours& mh = z.months[m][static_cast<std::size_t>(y)];
      const bool on = DaylightSavingInForce(rule, mh.year, m, 1, 0);
      const long wrong = on ? mh.size() - mh.dst() : mh.dst();
      s.byYear[static_cast<std::size_t>(y)] += wrong;
      s.total += wrong;
    }
  }
  return s;
}

template <typename Part>
struct Best {
  Part part;
  FitScore score;
};

Best<StartPart> BestStart(const ZoneHours& z, unsigned month,
                          const std::optional<StartPart>& preferred) {
  std::optional<Best<StartPart>> best;
  if (preferred && preferred->Month == month)
    best = Best<StartPart>{*preferred, ScoreStart(z, *preferred)};
  if (best && best->score.total == 0) return *best;
  for (int day = 1; day <= kRuleDays[month]; ++day) {
    for (int weekDay = 0; weekDay <= 7; ++weekDay) {
      for (int hour = 0; hour < 24; ++hour) {
        const StartPart p{static_cast<std::uint8_t>(month), static_cast<std::uint8_t>(day),
                          static_cast<std::uint8_t>(weekDay), static_cast<std::uint8_t>(hour)};
        const FitScore s = ScoreStart(z, p);
        if (!best || s < best->score) best = Best<StartPart>{p, s};
      }
    }
  }
  return *best;
}

Best<EndPart> BestEnd(const ZoneHours& z, unsigned month, const std::optional<EndPart>& preferred) {
  std::optional<Best<EndPart>> best;
  if (preferred && preferred->Month == month)
    best = Best<EndPart>{*preferred, ScoreEnd(z, *preferred)};
  if (best && best->score.total == 0) return *best;
  for (int flag = 1; flag >= 0; --flag) {
    for (int day = 1; day <= kRuleDays[month]; ++day) {
      for (int hour = 0; hour < 24; ++hour) {
        const EndPart p{static_cast<std::uint8_t>(month), static_cast<std::uint8_t>(day),
                        static_cast<std::uint8_t>(flag), static_cast<std::uint8_t>(hour)};
        const FitScore s = ScoreEnd(z, p);
        if (!best || s < best->score) best = Best<EndPart>{p, s};
      }
    }
  }
  return *best;
}

DaylightSavingRule Combine(const StartPart& s, const EndPart& e) {
  DaylightSavingRule r;
  r.StartMonth = s.Month;
  r.StartDay = s.Day;
  r.StartWeekDay = s.WeekDay;
  r.StartHour = s.Hour;
  r.EndMonth = e.Month;
  r.EndDay = e.Day;
  r.EndSundayFlag = e.SundayFlag;
  r.EndHour = e.Hour;
  return r;
}

ZoneFit LeftOut(std::string reason) {
  ZoneFit fit;
  fit.kind = ZoneFit::Kind::LeftOut;
  fit.leftOutReason = std::move(reason);
  return fit;
}

}  // namespace

FitScore& FitScore::operator+=(const FitScore& other) {
  total += other.total;
  if (byYear.size() < other.byYear.size()) byYear.resize(other.byYear.size(), 0);
  for (std::size_t i = 0; i < other.byYear.size(); ++i) byYear[i] += other.byYear[i];
  return *this;
}

ZoneFit FitZone(const OffsetFunction& offsetAt, const std::optional<PosixTz>& footer, int firstYear,
                int years, int regularYears) {
  // The offset at every hour of the years, with room on either side for the
  // shift into a standard-time frame, read once.
  const sys_days first{std::chrono::year{firstYear} / 1 / 1};
  const sys_days last{std::chrono::year{firstYear + years} / 1 / 1};
  const sys_seconds from = sys_seconds{first} - hours{16};
  const auto span = std::chrono::duration_cast<hours>(sys_seconds{last} + hours{16} - from).count();
  std::vector<int> hourly(static_cast<std::size_t>(span));
  for (std::size_t i = 0; i < hourly.size(); ++i) hourly[i] = offsetAt(from + hours{i});
  const OffsetFunction cached = [&](sys_seconds t) {
    const auto since = (t - from).count();
    const auto index = static_cast<std::size_t>(since / 3600);
    return since >= 0 && since % 3600 == 0 && index < hourly.size() ? hourly[index] : offsetAt(t);
  };

  // Every offset the zone uses in the years.
  std::set<int> offsets;
  for (sys_seconds t{first}; t < sys_seconds{last}; t += hours{1}) offsets.insert(cached(t));

  const int low = *offsets.begin();
  const int high = *offsets.rbegin();
  if (offsets.size() > 2) {
    return LeftOut("its offset changes for good within the years (" + UtcOffsetText(low) + " to " +
                   UtcOffsetText(high) + ")");
  }
  if (offsets.size() == 2 && high - low != 60) {
    return LeftOut("its daylight saving moves the clock by " + std::to_string(high - low) +
                   " minutes; the record adds one hour");
  }
  const bool seasonal = offsets.size() == 2;
  const int lowHours = FloorDiv(low, 60);
  const int highHours = FloorDiv(high, 60);
  if (lowHours < -10) {
    return LeftOut(
        UtcOffsetText(low) +
        " is stored as UTC+13 and would show the weekday of the other side of the date line");
  }
  if (highHours > 13) {
    return LeftOut(UtcOffsetText(high) +
                   " is stored as a western offset and would show the previous weekday");
  }
  if (seasonal && lowHours > 12) {
    return LeftOut("daylight saving on " + UtcOffsetText(low) +
                   ", which the rule reads as UTC-11 and so on the wrong date");
  }

  ZoneFit fit;
  fit.standardMinutes = low;
  fit.sampled = static_cast<long>((last - first).count()) * 24;
  if (!seasonal) {
    fit.kind = ZoneFit::Kind::Fixed;
    fit.ruleFromZoneFile = true;
    fit.wrong = EmptyScore(years);
    return fit;
  }

  const ZoneHours z = Collect(cached, low, firstYear, years);
  for (int y = 0; y < std::min(regularYears, years); ++y) {
    const int ups = z.upsInYear[static_cast<std::size_t>(y)];
    const int downs = z.downsInYear[static_cast<std::size_t>(y)];
    if (ups != 1 || downs != 1) {
      return LeftOut("in " + std::to_string(firstYear + y) + " it changes " + std::to_string(ups) +
                     " time(s) to daylight saving and " + std::to_string(downs) +
                     " time(s) back; a rule of the record switches once each way every year");
    }
  }
  const RuleParts posix = footer ? RulePartsFromPosix(*footer, low) : RuleParts{};
  std::set<unsigned> startMonths = z.upMonths;
  std::set<unsigned> endMonths = z.downMonths;
  if (posix.start) startMonths.insert(posix.start->Month);
  if (posix.end) endMonths.insert(posix.end->Month);
  if (startMonths.empty() || endMonths.empty()) {
    return LeftOut("it changes between " + UtcOffsetText(low) + " and " + UtcOffsetText(high) +
                   " only once within the years");
  }

  std::optional<Best<StartPart>> bestStart;
  std::optional<Best<EndPart>> bestEnd;
  std::optional<FitScore> bestTotal;
  // The zone file's months first, so that a tie keeps its rule.
  std::vector<unsigned> starts(startMonths.begin(), startMonths.end());
  std::vector<unsigned> ends(endMonths.begin(), endMonths.end());
  if (posix.start)
    std::stable_partition(starts.begin(), starts.end(),
                          [&](unsigned m) { return m == posix.start->Month; });
  if (posix.end)
    std::stable_partition(ends.begin(), ends.end(),
                          [&](unsigned m) { return m == posix.end->Month; });
  for (unsigned sm : starts) {
    const Best<StartPart> s = BestStart(z, sm, posix.start);
    for (unsigned em : ends) {
      if (em == sm) continue;
      const Best<EndPart> e = BestEnd(z, em, posix.end);
      FitScore total = s.score;
      total += e.score;
      total += ScoreBetween(z, sm, em);
      if (!bestTotal || total < *bestTotal) {
        bestTotal = total;
        bestStart = s;
        bestEnd = e;
      }
    }
  }
  if (!bestTotal) return LeftOut("it starts and ends daylight saving in the same month");

  fit.kind = ZoneFit::Kind::Seasonal;
  fit.rule = Combine(bestStart->part, bestEnd->part);
  fit.wrong = *bestTotal;
  fit.ruleFromZoneFile =
      posix.start && posix.end && bestStart->part == *posix.start && bestEnd->part == *posix.end;
  return fit;
}

std::string DescribeRule(const DaylightSavingRule& r) {
  if (r.StartMonth == 0) return "no daylight saving";
  static constexpr const char* kDays[8] = {"",          "Sunday",   "Monday", "Tuesday",
                                           "Wednesday", "Thursday", "Friday", "Saturday"};
  char text[160];
  const std::string start =
      r.StartWeekDay == 0
          ? std::string()
          : std::string(kDays[r.StartWeekDay <= 7 ? r.StartWeekDay : 0]) + " on or after ";
  const std::string end = r.EndSundayFlag == 1 ? "Sunday on or after " : "";
  std::snprintf(text, sizeof text, "from %s%02d-%02d %02d:00 to %s%02d-%02d %02d:00 standard time",
                start.c_str(), r.StartMonth, r.StartDay, r.StartHour, end.c_str(), r.EndMonth,
                r.EndDay, r.EndHour);
  return text;
}

}  // namespace meridex::citydb
