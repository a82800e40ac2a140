// Checks the shipped city database against the IANA time-zone data it was
// made from: the build's zone files compiled from tools/citydb/tzdata (or the
// directory given with --zoneinfo), never the machine's tzdata. For every
// location, every hour (on the hour, UTC) of the chosen years is run through
// the program's own rule engine (RefreshHourOffsets over the whole table, then
// ComputeLocalTime) and the local time text and weekday are compared with the
// C library's local time for the location's zone.
//
//   citydb_verify --data DIR --cities cities.csv [--approximations FILE]
//                 [--zoneinfo DIR] [--from-year YEAR] [--years N] [--summary]
//
// Exit status: 0 when every location is right outside the hours around its
// real changes (locations in zones listed in the approximations file are
// reported but excused) and the overall agreement is at least 99.99%; 1 when
// not; 2 on bad usage, unreadable files or missing zone files.
//
// With --compare-installed it checks nothing of the database: it lists the
// locations whose local time the machine's installed tzdata ($TZDIR or
// /usr/share/zoneinfo) gives differently from the zone data of the shipped
// database, for maintainers to notice a new release (exit 0 when none
// differs, 1 when some do, 2 on errors).

#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "city_sources.h"
#include "common/errors.h"
#include "common/record_io.h"
#include "common/text.h"
#include "common/time_text.h"
#include "record_fields.h"
#include "tool_options.h"
#include "worldtime/city_files.h"
#include "worldtime/local_time.h"
#include "zone_clock.h"
#include "zone_compare.h"

#ifndef MERIDEX_CITYDB_ZONEINFO
#error "MERIDEX_CITYDB_ZONEINFO must name the build's compiled zone directory"
#endif

namespace meridex::citydb {
namespace {

using std::chrono::hours;
using std::chrono::seconds;
using std::chrono::sys_days;
using std::chrono::sys_seconds;

constexpr double kOverallTarget = 99.99;

struct Options {
  std::string data;
  std::string cities;
  std::string approximations;
  std::string zoneinfo = MERIDEX_CITYDB_ZONEINFO;
  int fromYear = 0;
  int years = 2;
  bool summary = false;
  bool compareInstalled = false;
};

[[noreturn]] void Usage(const std::string& problem) {
  std::cerr << "citydb_verify: " << problem << "\n"
            << "usage: citydb_verify --data DIR --cities FILE [--approximations FILE] "
               "[--zoneinfo DIR] [--from-year YEAR] [--years N] [--summary | "
               "--compare-installed]\n";
  std::exit(2);
}

int ThisYear() {
  const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  return int{std::chrono::year_month_day{today}.year()};
}

Options ParseOptions(int argc, char** argv) {
  Options o;
  o.fromYear = ThisYear() + 1;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--summary" || arg == "--compare-installed") {
      (arg == "--summary" ? o.summary : o.compareInstalled) = true;
      continue;
    }
    if (i + 1 >= argc) Usage(arg + " needs a value");
    const std::string value = argv[++i];
    if (arg == "--data") {
      o.data = value;
    } else if (arg == "--cities") {
      o.cities = value;
    } else if (arg == "--approximations") {
      o.approximations = value;
    } else if (arg == "--zoneinfo") {
      o.zoneinfo = value;
    } else if (arg == "--from-year" || arg == "--years") {
      const auto n = WholeNumber(value);
      if (!n) Usage(arg + " must be a whole number, not \"" + value + "\"");
      (arg == "--years" ? o.years : o.fromYear) = *n;
    } else {
      Usage("unknown option " + arg);
    }
  }
  if (o.data.empty() || o.cities.empty()) Usage("missing option");
  if (o.fromYear < 1971 || o.fromYear > 2200 || o.years < 1 || o.years > 50)
    Usage("years out of range");
  return o;
}

// Zones whose rule the record can only approximate: one zone a line, then the
// reason; '#' starts a comment.
std::map<std::string, std::string> ReadApproximations(const std::string& path) {
  std::map<std::string, std::string> zones;
  if (path.empty()) return zones;
  const Bytes bytes = ReadWholeFile(path);
  std::string text(bytes.begin(), bytes.end());
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    const std::string line = TrimRight(text.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line[0] == '#') continue;
    const std::size_t space = line.find_first_of(" \t");
    const std::string zone = line.substr(0, space);
    std::string reason = space == std::string::npos ? "" : line.substr(space);
    reason.erase(0, reason.find_first_not_of(" \t"));
    zones[zone] = reason;
  }
  return zones;
}

// A "151.12E" / "33.52S" text in degrees; nullopt when malformed.
std::optional<double> ParseDegreesMinutes(const std::string& text, char positive, char negative,
                                          int maxDegrees) {
  unsigned degrees = 0, minutes = 0;
  char hemisphere = 0;
  int used = 0;
  if (std::sscanf(text.c_str(), "%3u.%2u%c%n", &degrees, &minutes, &hemisphere, &used) != 3 ||
      used != static_cast<int>(text.size()) || text.find('.') + 3 != text.size() - 1 ||
      minutes > 59 || static_cast<int>(degrees) > maxDegrees ||
      (hemisphere != positive && hemisphere != negative)) {
    return std::nullopt;
  }
  const double value = degrees + minutes / 60.0;
  return hemisphere == negative ? -value : value;
}

// The real local time of one zone at every sampled hour, packed as
// (minute of day) * 8 + weekday, and whether a real change of offset lies
// less than an hour away.
struct ZoneTruth {
  std::vector<std::uint16_t> local;
  std::vector<bool> nearChange;
};

ZoneTruth ComputeTruth(const ZoneInfo& zones, const std::string& zone, sys_seconds start,
                       int count) {
  ZoneClock clock(zones, zone);
  ZoneTruth truth;
  truth.local.resize(static_cast<std::size_t>(count));
  truth.nearChange.assign(static_cast<std::size_t>(count), false);
  int previousOffset = clock.offsetMinutes(start - hours{1});
  for (int h = 0; h < count; ++h) {
    const sys_seconds at = start + hours{h};
    const ZoneClock::Reading r = clock.at(at);
    truth.local[static_cast<std::size_t>(h)] =
        static_cast<std::uint16_t>((r.hour * 60 + r.minute) * 8 + r.weekDay);
    if (r.offsetMinutes != previousOffset) {
      // The change lies in (at - 1h, at]; find its second.
      sys_seconds lo = at - hours{1};
      sys_seconds hi = at;
      while (hi - lo > seconds{1}) {
        const sys_seconds mid = lo + (hi - lo) / 2;
        (clock.offsetMinutes(mid) == r.offsetMinutes ? hi : lo) = mid;
      }
      truth.nearChange[static_cast<std::size_t>(h)] = true;
      if (hi < at && h > 0) truth.nearChange[static_cast<std::size_t>(h - 1)] = true;
    }
    previousOffset = r.offsetMinutes;
  }
  // A change just after the last sample.
  if (clock.offsetMinutes(start + hours{count}) != previousOffset) truth.nearChange.back() = true;
  return truth;
}

struct LocationResult {
  std::string name;
  std::string zone;
  long right = 0;
  long wrongOutside = 0;  // wrong more than an hour away from a real change
  long wrongNear = 0;     // wrong within an hour of a real change
  std::string firstWrong;
  bool excused = false;
  double agreement() const {
    const long total = right + wrongOutside + wrongNear;
    return total == 0 ? 100.0 : 100.0 * static_cast<double>(right) / static_cast<double>(total);
  }
};

std::string UtcText(sys_seconds t) {
  const auto day = std::chrono::floor<std::chrono::days>(t);
  const std::chrono::year_month_day ymd{day};
  const auto h = std::chrono::duration_cast<hours>(t - day).count();
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u %02ld:00 UTC", int{ymd.year()},
                unsigned{ymd.month()}, unsigned{ymd.day()}, static_cast<long>(h));
  return text;
}

std::string Percent(double value) {
  char text[32];
  // Cut, not rounded, so that 99.99999% never prints as 100%.
  std::snprintf(text, sizeof text, "%.4f%%", std::floor(value * 10000.0) / 10000.0);
  return text;
}

// The database as the program loads it, from a scratch copy so that the
// loader's creation of a missing custom list stays out of `dataDir`.
std::unique_ptr<CityTable> LoadShippedTable(const std::string& dataDir,
                                            std::vector<std::string>& problems) {
  auto table = std::make_unique<CityTable>();
  const std::filesystem::path database = std::filesystem::path(dataDir) / kCityDatabaseFile;
  if (!std::filesystem::is_regular_file(database)) {
    throw IoError("Cannot open \"" + database.string() + "\": No such file");
  }
  const std::filesystem::path scratch =
      std::filesystem::temp_directory_path() / ("citydb_verify." + std::to_string(::getpid()));
  std::filesystem::create_directories(scratch);
  try {
    std::filesystem::copy_file(database, scratch / kCityDatabaseFile,
                               std::filesystem::copy_options::overwrite_existing);
    const std::string note = LoadCityTable(scratch, *table);
    if (!note.empty()) problems.push_back(note);
  } catch (...) {
    std::filesystem::remove_all(scratch);
    throw;
  }
  std::filesystem::remove_all(scratch);
  return table;
}

ZoneInfo ShippedZones(const Options& o) {
  ZoneInfo zones(o.zoneinfo);
  if (!zones.present()) {
    throw AppError("No zone files in " + zones.directory().string() +
                   " (the build compiles them from tools/citydb/tzdata: build the target "
                   "citydb_zoneinfo)");
  }
  return zones;
}

std::string YearsText(sys_seconds start, sys_seconds end, int samples) {
  return "every hour from " + UtcText(start) + " to " + UtcText(end - hours{1}) + " (" +
         std::to_string(samples) + " a location)";
}

// The maintainer's check: which locations the installed tzdata shows
// differently from the shipped data's.
int CompareInstalled(const Options& o, const ZoneInfo& shipped) {
  const ZoneInfo installed = ZoneInfo::Installed();
  const auto order = CompareReleases(installed.version(), shipped.version());
  const auto name = [](const ZoneInfo& z, const char* unknown) {
    return z.version().empty() ? std::string(unknown) : z.version();
  };
  const std::string mine = name(shipped, "the shipped data's"),
                    theirs = name(installed, "the installed");
  std::cout << "Shipped data made from " << shipped.describe() << "\n"
            << "Installed: " << installed.describe()
            << (!order        ? ""
                : *order < 0  ? ", older than the shipped data's"
                : *order == 0 ? ", the shipped data's release"
                              : ", newer than the shipped data's")
            << "\n";
  if (!installed.present()) {
    std::cout << "No zone files installed in " << installed.directory().string()
              << ": nothing to compare with\n";
    return 2;
  }
  std::vector<std::string> problems;
  const auto table = LoadShippedTable(o.data, problems);
  std::set<std::string> inDatabase;
  for (int i = 0; i < table->Count; ++i)
    inDatabase.insert(TrimRight(table->Entries[static_cast<std::size_t>(i)].Name));

  const sys_seconds start{sys_days{std::chrono::year{o.fromYear} / 1 / 1}};
  const sys_seconds end{sys_days{std::chrono::year{o.fromYear + o.years} / 1 / 1}};
  const int samples = static_cast<int>(std::chrono::duration_cast<hours>(end - start).count());
  std::cout << "Compared " << YearsText(start, end, samples) << "\n";

  const std::vector<CitySource> sources = LoadCitySources(o.cities);
  std::map<std::string, std::optional<ZoneDifference>> byZone;
  std::vector<std::string> shippedDiffering, leftOutDiffering;
  for (const CitySource& s : sources) {
    auto found = byZone.find(s.Zone);
    if (found == byZone.end())
      found = byZone.emplace(s.Zone, CompareZone(shipped, installed, s.Zone, start, samples)).first;
    if (!found->second) continue;
    const ZoneDifference& d = *found->second;
    const bool inTable = inDatabase.count(s.Name) != 0;
    (inTable ? shippedDiffering : leftOutDiffering).push_back(s.Name);
    std::cout << "  " << s.Name << " (" << s.Zone << ")"
              << (inTable ? "" : " [left out of the database]") << ": ";
    if (d.missing) {
      std::cout << "no such zone installed\n";
      continue;
    }
    std::cout << d.hours << " hours differ; first " << UtcText(d.first) << ": "
              << UtcOffsetText(d.offset) << " with " << mine << ", " << UtcOffsetText(d.otherOffset)
              << " with " << theirs << "\n";
  }
  const auto zonesDiffering = std::count_if(byZone.begin(), byZone.end(),
                                            [](const auto& z) { return z.second.has_value(); });
  const auto list = [](const char* what, const std::vector<std::string>& names) {
    std::cout << what << ": " << names.size();
    for (std::size_t i = 0; i < names.size(); ++i) std::cout << (i == 0 ? " (" : "; ") << names[i];
    std::cout << (names.empty() ? "" : ")") << "\n";
  };
  std::cout << shippedDiffering.size() + leftOutDiffering.size() << " of " << sources.size()
            << " locations in " << zonesDiffering << " zones differ with " << theirs << "\n";
  list("Shipped locations that differ", shippedDiffering);
  list("Left-out locations that differ", leftOutDiffering);
  const bool differ = !shippedDiffering.empty() || !leftOutDiffering.empty();
  if (differ && order && *order > 0) {
    std::cout << "The installed release is newer: bring tools/citydb/tzdata up to it and run "
                 "tools/make-data (tools/citydb/tzdata/README.md)\n";
  }
  for (const std::string& p : problems) std::cout << "note: " << p << "\n";
  return differ ? 1 : 0;
}

int Run(const Options& o) {
  const ZoneInfo zones = ShippedZones(o);
  if (o.compareInstalled) return CompareInstalled(o, zones);
  std::vector<std::string> problems;

  const std::vector<CitySource> sources = LoadCitySources(o.cities);
  std::map<std::string, const CitySource*> sourceOf;
  for (const CitySource& s : sources) {
    if (!sourceOf.emplace(s.Name, &s).second)
      problems.push_back("\"" + s.Name + "\" is twice in " + o.cities);
  }
  const auto approximate = ReadApproximations(o.approximations);

  auto table = LoadShippedTable(o.data, problems);
  const int count = table->Count;

  // The table itself: names padded, sorted, each once, known, with the list's
  // texts and coordinates within a minute of the list's.
  bool reference = false;
  std::vector<std::string> zoneOf(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const CityEntry& e = table->Entries[static_cast<std::size_t>(i)];
    const std::string name = TrimRight(e.Name);
    if (e.Name.size() != kNameLength)
      problems.push_back("\"" + name + "\" is not padded to 27 characters");
    if (i > 0 && !NameLess(table->Entries[static_cast<std::size_t>(i - 1)].Name, e.Name)) {
      problems.push_back("\"" + name + "\" is out of order or listed twice");
    }
    if (e.Name == kReferenceName) reference = true;
    const auto found = sourceOf.find(name);
    if (found == sourceOf.end()) {
      problems.push_back("\"" + name + "\" is not in " + o.cities);
      continue;
    }
    const CitySource& s = *found->second;
    zoneOf[static_cast<std::size_t>(i)] = s.Zone;
    if (e.State != s.State || e.Country != s.Country) {
      problems.push_back("\"" + name + "\" has another state or country than the list");
    }
    const auto lon = ParseDegreesMinutes(e.Longitude, 'E', 'W', 180);
    const auto lat = ParseDegreesMinutes(e.Latitude, 'N', 'S', 90);
    if (!lon || !lat || std::fabs(*lon - s.Longitude) >= 1.0 / 60 ||
        std::fabs(*lat - s.Latitude) >= 1.0 / 60) {
      problems.push_back("\"" + name + "\" has the position \"" + e.Longitude + " " + e.Latitude +
                         "\", not the list's");
    }
  }
  if (!reference) problems.push_back("the reference location \"Honolulu\" is missing");

  const sys_seconds start{sys_days{std::chrono::year{o.fromYear} / 1 / 1}};
  const sys_seconds end{sys_days{std::chrono::year{o.fromYear + o.years} / 1 / 1}};
  const int samples = static_cast<int>(std::chrono::duration_cast<hours>(end - start).count());

  std::map<std::string, ZoneTruth> truth;
  for (const std::string& zone : zoneOf) {
    if (!zone.empty() && truth.count(zone) == 0)
      truth.emplace(zone, ComputeTruth(zones, zone, start, samples));
  }

  std::array<std::string, 1440> timeText;
  for (int m = 0; m < 1440; ++m)
    timeText[static_cast<std::size_t>(m)] = FormatTime12(TimeOfDay{m / 60, m % 60});

  std::vector<LocationResult> results(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    auto& r = results[static_cast<std::size_t>(i)];
    r.name = TrimRight(table->Entries[static_cast<std::size_t>(i)].Name);
    r.zone = zoneOf[static_cast<std::size_t>(i)];
    r.excused = approximate.count(r.zone) != 0;
  }
  for (int h = 0; h < samples; ++h) {
    const sys_seconds at = start + hours{h};
    const UtcTime utc = std::chrono::time_point_cast<Millis>(at);
    try {
      RefreshHourOffsets(*table, utc);
    } catch (const AppError& e) {
      problems.push_back("the rule engine failed at " + UtcText(at) + ": " + e.what());
      break;
    }
    for (int i = 0; i < count; ++i) {
      auto& r = results[static_cast<std::size_t>(i)];
      if (r.zone.empty()) continue;
      CityEntry& e = table->Entries[static_cast<std::size_t>(i)];
      ComputeLocalTime(e, utc);
      const ZoneTruth& t = truth.at(r.zone);
      const int packed = t.local[static_cast<std::size_t>(h)];
      const std::string& realText = timeText[static_cast<std::size_t>(packed / 8)];
      const int realDay = packed % 8;
      if (e.LocalTimeText == realText && e.WeekDay == realDay) {
        ++r.right;
        continue;
      }
      const bool near = t.nearChange[static_cast<std::size_t>(h)];
      ++(near ? r.wrongNear : r.wrongOutside);
      if (r.firstWrong.empty() || (!near && r.wrongOutside == 1)) {
        r.firstWrong = UtcText(at) + " shows " + DayAbbreviation(e.WeekDay) + " " +
                       e.LocalTimeText + ", real " + DayAbbreviation(realDay) + " " + realText +
                       (near ? " (within an hour of a change)" : "");
      }
    }
  }

  // Report.
  std::cout << zones.describe() << "; " << count << " locations; " << YearsText(start, end, samples)
            << "\n";
  char line[256];
  std::snprintf(line, sizeof line, "%-27s %-30s %7s %6s %6s %10s\n", "Location", "Zone", "Right",
                "Wrong", "Near", "Agreement");
  std::cout << line;
  long right = 0, wrong = 0, wrongOutside = 0;
  const LocationResult* lowest = nullptr;
  std::vector<const LocationResult*> belowTarget;
  for (const LocationResult& r : results) {
    right += r.right;
    wrong += r.wrongOutside + r.wrongNear;
    wrongOutside += r.wrongOutside;
    if (lowest == nullptr || r.agreement() < lowest->agreement()) lowest = &r;
    if (r.agreement() < kOverallTarget) belowTarget.push_back(&r);
    if (r.wrongOutside > 0 && !r.excused) {
      problems.push_back("\"" + r.name + "\" (" + r.zone + ") is wrong " +
                         std::to_string(r.wrongOutside) +
                         " hours away from any change: " + r.firstWrong);
    }
    const long wrongHere = r.wrongOutside + r.wrongNear;
    if (o.summary && wrongHere == 0) continue;
    std::snprintf(line, sizeof line, "%-27s %-30s %7ld %6ld %6ld %10s\n", r.name.c_str(),
                  r.zone.c_str(), r.right, wrongHere, r.wrongNear, Percent(r.agreement()).c_str());
    std::cout << line;
    if (wrongHere > 0) {
      std::cout << "    " << (r.excused ? "[approximated rule] " : "") << "first: " << r.firstWrong
                << "\n";
    }
  }
  for (const auto& [zone, reason] : approximate) {
    const bool used = std::any_of(results.begin(), results.end(), [&](const LocationResult& r) {
      return r.zone == zone && r.wrongOutside > 0;
    });
    if (!used)
      std::cout << "note: " << zone
                << " is listed as approximated but is right outside its changes\n";
  }

  const long total = right + wrong;
  const double overall =
      total == 0 ? 0.0 : 100.0 * static_cast<double>(right) / static_cast<double>(total);
  const double outside =
      total == 0 ? 0.0
                 : 100.0 * static_cast<double>(total - wrongOutside) / static_cast<double>(total);
  std::cout << "\nLocations: " << count << "; hours compared: " << total << "; right: " << right
            << "; wrong: " << wrong << " (" << wrongOutside << " more than an hour from a change)\n"
            << "Overall agreement: " << Percent(overall)
            << "; away from the changes: " << Percent(outside) << "\n";
  if (lowest != nullptr) {
    std::cout << "Lowest: " << lowest->name << " (" << lowest->zone << ") "
              << Percent(lowest->agreement())
              << (lowest->firstWrong.empty() ? "" : "; first wrong hour " + lowest->firstWrong)
              << "\n";
  }
  std::cout << "Below " << kOverallTarget << "%: " << belowTarget.size() << " location(s)";
  for (std::size_t i = 0; i < belowTarget.size(); ++i) {
    std::cout << (i == 0 ? ": " : ", ") << belowTarget[i]->name << " "
              << Percent(belowTarget[i]->agreement());
  }
  std::cout << "\n";
  if (count == 0) problems.push_back("the database holds no location");
  if (overall < kOverallTarget)
    problems.push_back("the overall agreement is below " + Percent(kOverallTarget));

  if (problems.empty()) {
    std::cout << "PASS\n";
    return 0;
  }
  for (const std::string& p : problems) std::cout << "FAIL: " << p << "\n";
  return 1;
}

}  // namespace
}  // namespace meridex::citydb

int main(int argc, char** argv) {
  const auto options = meridex::citydb::ParseOptions(argc, argv);
  try {
    return meridex::citydb::Run(options);
  } catch (const std::exception& e) {
    std::cerr << "citydb_verify: " << e.what() << "\n";
    return 2;
  }
}
