#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "posix_tz.h"
#include "worldtime/city_table.h"

namespace meridex::citydb {

// The real UTC offset (minutes east) of a zone at an instant.
using OffsetFunction = std::function<int(std::chrono::sys_seconds)>;

// Hourly disagreements between a rule and the real offsets, over the fitted
// years: the total and the count of each year.
struct FitScore {
  long total = 0;
  std::vector<long> byYear;
  // Fewer wrong hours first; on a tie, fewer in the earlier years.
  friend bool operator<(const FitScore& a, const FitScore& b) {
    return a.total != b.total ? a.total < b.total : a.byYear < b.byYear;
  }
  FitScore& operator+=(const FitScore& other);
};

// What the city database can say about one zone over the years
// [firstYear, firstYear + years).
struct ZoneFit {
  enum class Kind { Fixed, Seasonal, LeftOut };
  Kind kind = Kind::LeftOut;
  std::string leftOutReason;  // why the record format cannot show the zone
  int standardMinutes = 0;    // the lower offset, minutes east of UTC
  DaylightSavingRule rule;    // StartMonth 0 for a fixed offset
  // True when the zone file's own rule could be written as it stands; false
  // when the rule was chosen as the closest one the format can hold.
  bool ruleFromZoneFile = false;
  FitScore wrong;    // hours (sampled on the hour, UTC) the rule gets wrong
  long sampled = 0;  // hours sampled
};

// Fits the record's offset and daylight-saving rule to a zone's real offsets
// over whole years, sampled every hour on the hour (UTC).
//
// A zone keeps one offset (Fixed) or two offsets an hour apart (Seasonal);
// anything else (half-hour or two-hour saving, a change of standard time
// within the years), and offsets whose weekday the list would take from the
// other side of the date line (west of UTC-10, east of UTC+13, and saving
// east of UTC+12), leave the zone out.
//
// A seasonal zone must also switch exactly once each way in each of the first
// `regularYears` years (the years the program is first used in): a year kept
// wholly on daylight saving, or with daylight saving interrupted, has no rule
// the record can hold, and the zone is left out until it is regular again.
//
// For a seasonal zone the zone file's POSIX rule (`footer`) is tried first;
// when it cannot be written exactly or misses hours (a year that departs from
// it), every start and end the format can hold in the months where the zone
// changes is scored with the program's own DaylightSavingInForce, and the one
// with the fewest wrong hours is kept; ties keep the zone file's rule, then
// favour the earlier years.
ZoneFit FitZone(const OffsetFunction& offsetAt, const std::optional<PosixTz>& footer, int firstYear,
                int years, int regularYears);

// "from the 2nd Sunday on or after 3-8 at 02:00 to the 1st Sunday ..." style
// text of a rule, for reports.
std::string DescribeRule(const DaylightSavingRule& rule);

}  // namespace meridex::citydb
