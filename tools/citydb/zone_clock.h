#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace meridex::citydb {

// The machine's IANA time-zone data (Debian package tzdata): $TZDIR or
// /usr/share/zoneinfo.
std::filesystem::path ZoneInfoDirectory();
// Whether the data is there at all (its "UTC" zone file can be found).
bool TzdataInstalled();
// The release, e.g. "2026f", from the "# version" line of tzdata.zi; empty
// when the file is missing.
std::string TzdataVersion();
// Whether `zone` names an installed zone file ("TZif" data).
bool ZoneInstalled(const std::string& zone);
// The POSIX TZ string at the end of a version 2+ zone file, which gives the
// rule for the years after its last listed transition; empty when the file
// has none.
std::string ZoneFooter(const std::string& zone);

// Local time in one IANA zone as the C library computes it from the zone
// file. It sets the process's TZ while it lives and puts the old value back
// afterwards, so only one may exist at a time.
class ZoneClock {
 public:
  // Throws AppError when the zone is not installed (the C library would
  // silently fall back to UTC).
  explicit ZoneClock(const std::string& zone);
  ~ZoneClock();
  ZoneClock(const ZoneClock&) = delete;
  ZoneClock& operator=(const ZoneClock&) = delete;

  struct Reading {
    int offsetMinutes = 0;  // east of UTC
    int year = 0;
    unsigned month = 0;  // 1..12
    unsigned day = 0;    // 1..31
    int hour = 0;
    int minute = 0;
    int weekDay = 0;  // 1 = Sunday .. 7 = Saturday
  };
  Reading at(std::chrono::sys_seconds instant) const;
  int offsetMinutes(std::chrono::sys_seconds instant) const { return at(instant).offsetMinutes; }

 private:
  bool hadTz_ = false;
  std::string oldTz_;
};

}  // namespace meridex::citydb
