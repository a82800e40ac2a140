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

std::filesystem::path ZoneInfoDirectory() {
  const char* dir = std::getenv("TZDIR");
  return dir != nullptr && *dir != '\0' ? std::filesystem::path(dir)
                                        : std::filesystem::path("/usr/share/zoneinfo");
}

bool TzdataInstalled() { return ZoneInstalled("UTC"); }

std::string TzdataVersion() {
  std::ifstream in(ZoneInfoDirectory() / "tzdata.zi");
  std::string line;
  const std::string prefix = "# version ";
  while (std::getline(in, line)) {
    if (line.rfind(prefix, 0) == 0) return line.substr(prefix.size());
    if (line.empty() || line[0] != '#') break;
  }
  return {};
}

bool ZoneInstalled(const std::string& zone) {
  if (!SafeZoneName(zone)) return false;
  std::ifstream in(ZoneInfoDirectory() / zone, std::ios::binary);
  char magic[4] = {};
  return in.read(magic, 4) && std::string(magic, 4) == "TZif";
}

std::string ZoneFooter(const std::string& zone) {
  if (!ZoneInstalled(zone)) return {};
  const Bytes bytes = ReadWholeFile(ZoneInfoDirectory() / zone);
  if (bytes.size() < 6 || bytes[4] < '2' || bytes.back() != '\n') return {};
  const std::string text(bytes.begin(), bytes.end() - 1);
  const std::size_t start = text.rfind('\n');
  return start == std::string::npos ? std::string() : text.substr(start + 1);
}

ZoneClock::ZoneClock(const std::string& zone) {
  assert(!gClockAlive && "one ZoneClock at a time: TZ is process-wide");
  if (!ZoneInstalled(zone)) {
    throw AppError("The time zone \"" + zone + "\" is not installed in " +
                   ZoneInfoDirectory().string());
  }
  if (const char* old = std::getenv("TZ")) {
    hadTz_ = true;
    oldTz_ = old;
  }
  ::setenv("TZ", (":" + zone).c_str(), 1);
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

}  // namespace meridex::citydb
