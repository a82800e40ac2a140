#include "zone_clock.h"

#include <cassert>
#include <cstdlib>
#include <ctime>
#include <fstream>

#include "common/errors.h"
#include "common/record_io.h"

namespace meridex::citydb {

namespace {

bool gClockAlive = false;

bool SafeZoneName(const std::string& zone) {
  return !zone.empty() && zone.front() != '/' && zone.find("..") == std::string::npos;
}

}  // namespace

// Absolute, because the C library reads a TZ of ":path" relative to TZDIR.
ZoneInfo::ZoneInfo(std::filesystem::path directory)
    : directory_(std::filesystem::absolute(directory)) {}

ZoneInfo ZoneInfo::Installed() {
  const char* dir = std::getenv("TZDIR");
  return ZoneInfo(dir != nullptr && *dir != '\0' ? std::filesystem::path(dir)
                                                 : std::filesystem::path("/usr/share/zoneinfo"));
}

std::string TzdataVersionOf(const std::filesystem::path& tzdataZi) {
  std::ifstream in(tzdataZi);
  std::string line;
  const std::string prefix = "# version ";
  while (std::getline(in, line)) {
    if (line.rfind(prefix, 0) == 0) return line.substr(prefix.size());
    if (line.empty() || line[0] != '#') break;
  }
  return {};
}

std::string ZoneInfo::version() const { return TzdataVersionOf(directory_ / "tzdata.zi"); }

std::string ZoneInfo::describe() const {
  const std::string v = version();
  return "tzdata " + (v.empty() ? std::string("(version unknown)") : v) + " (" +
         directory_.string() + ")";
}

bool ZoneInfo::has(const std::string& zone) const {
  if (!SafeZoneName(zone)) return false;
  std::ifstream in(fileOf(zone), std::ios::binary);
  char magic[4] = {};
  return in.read(magic, 4) && std::string(magic, 4) == "TZif";
}

std::string ZoneInfo::footer(const std::string& zone) const {
  if (!has(zone)) return {};
  const Bytes bytes = ReadWholeFile(fileOf(zone));
  if (bytes.size() < 6 || bytes[4] < '2' || bytes.back() != '\n') return {};
  const std::string text(bytes.begin(), bytes.end() - 1);
  const std::size_t start = text.rfind('\n');
  return start == std::string::npos ? std::string() : text.substr(start + 1);
}

ZoneClock::ZoneClock(const ZoneInfo& zones, const std::string& zone) {
  assert(!gClockAlive && "one ZoneClock at a time: TZ is process-wide");
  if (!zones.has(zone)) {
    throw AppError("The time zone \"" + zone + "\" is not in " + zones.describe());
  }
  if (const char* old = std::getenv("TZ")) {
    hadTz_ = true;
    oldTz_ = old;
  }
  ::setenv("TZ", (":" + zones.fileOf(zone).string()).c_str(), 1);
  ::tzset();
  gClockAlive = true;
}

ZoneClock::~ZoneClock() {
  if (hadTz_) {
    ::setenv("TZ", oldTz_.c_str(), 1);
  } else {
    ::unsetenv("TZ");
  }
  ::tzset();
  gClockAlive = false;
}

ZoneClock::Reading ZoneClock::at(std::chrono::sys_seconds instant) const {
  const std::time_t t = static_cast<std::time_t>(instant.time_since_epoch().count());
  std::tm tm{};
  if (::localtime_r(&t, &tm) == nullptr) throw AppError("The C library cannot convert a time");
  return Reading{static_cast<int>(tm.tm_gmtoff / 60),
                 tm.tm_year + 1900,
                 static_cast<unsigned>(tm.tm_mon + 1),
                 static_cast<unsigned>(tm.tm_mday),
                 tm.tm_hour,
                 tm.tm_min,
                 tm.tm_wday + 1};
}

std::vector<int> HourlyOffsets(const ZoneInfo& zones, const std::string& zone,
                               std::chrono::sys_seconds start, int count) {
  ZoneClock clock(zones, zone);
  std::vector<int> offsets(static_cast<std::size_t>(count));
  for (int h = 0; h < count; ++h)
    offsets[static_cast<std::size_t>(h)] = clock.offsetMinutes(start + std::chrono::hours{h});
  return offsets;
}

}  // namespace meridex::citydb
