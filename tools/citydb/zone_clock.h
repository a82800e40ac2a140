#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace meridex::citydb {

// A directory of compiled IANA zone files (TZif) with the tzdata.zi they were
// compiled from: the build's own copy of the committed zone source, or a
// machine's /usr/share/zoneinfo. Zones are read by absolute path, so what the
// tools see never depends on TZDIR or on which tzdata a machine has, unless
// they are asked to look at the machine's.
class ZoneInfo {
 public:
  explicit ZoneInfo(std::filesystem::path directory);
  // The machine's tzdata, where the C library reads it: $TZDIR, else
  // /usr/share/zoneinfo.
  static ZoneInfo Installed();

  const std::filesystem::path& directory() const { return directory_; }
  // Whether there are zone files at all (a "UTC" zone file).
  bool present() const { return has("UTC"); }
  // The release, e.g. "2026f", from the "# version" line of tzdata.zi; empty
  // when the file is missing or has none.
  std::string version() const;
  // The version, or "(version unknown)", and the directory, for reports.
  std::string describe() const;
  // Whether `zone` names a zone file here ("TZif" data).
  bool has(const std::string& zone) const;
  // The POSIX TZ string at the end of a version 2+ zone file, which gives the
  // rule for the years after its last listed transition; empty when the file
  // has none.
  std::string footer(const std::string& zone) const;
  std::filesystem::path fileOf(const std::string& zone) const { return directory_ / zone; }

 private:
  std::filesystem::path directory_;
};

// The release named by the "# version" line at the top of a tzdata.zi file;
// empty when the file is missing or has none.
std::string TzdataVersionOf(const std::filesystem::path& tzdataZi);

// Local time in one zone as the C library computes it from the zone file. It
// sets the process's TZ while it lives and puts the old value back afterwards,
// so only one may exist at a time.
class ZoneClock {
 public:
  // Throws AppError when `zones` has no such zone (the C library would
  // silently fall back to UTC).
  ZoneClock(const ZoneInfo& zones, const std::string& zone);
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

// The UTC offset of `zone` (minutes east) at `count` hours from `start`, on
// the hour.
std::vector<int> HourlyOffsets(const ZoneInfo& zones, const std::string& zone,
                               std::chrono::sys_seconds start, int count);

}  // namespace meridex::citydb
