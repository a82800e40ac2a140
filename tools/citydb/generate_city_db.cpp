// Writes the city database "kydafe.dat", the Hot List flags "chklst.dat" and
// an empty custom list "custlst.dat" from the committed location list, with
// each location's offsets and daylight-saving rule fitted to the IANA
// time-zone data: the build's zone files compiled from the committed source in
// tools/citydb/tzdata, or the directory given with --zoneinfo.
//
//   citydb_generate --cities cities.csv --hot-list hotlist.txt
//                   --first-year 2027 --years 28 --out data
//                   [--regular-years 2] [--zoneinfo DIR] [--rules]
//
// The output depends only on the inputs, the zone source among them, so it is
// the same bytes on every machine and every run.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "city_sources.h"
#include "common/errors.h"
#include "common/record_io.h"
#include "common/text.h"
#include "record_fields.h"
#include "rule_fit.h"
#include "tool_options.h"
#include "worldtime/city_files.h"
#include "worldtime/local_time.h"
#include "zone_clock.h"

#ifndef MERIDEX_CITYDB_ZONEINFO
#error "MERIDEX_CITYDB_ZONEINFO must name the build's compiled zone directory"
#endif

namespace meridex::citydb {
namespace {

struct Options {
  std::string cities;
  std::string hotList;
  std::string out;
  std::string zoneinfo = MERIDEX_CITYDB_ZONEINFO;
  int firstYear = 0;
  int years = 0;
  int regularYears = 2;
  bool listRules = false;
};

[[noreturn]] void Usage(const std::string& problem) {
  std::cerr << "citydb_generate: " << problem << "\n"
            << "usage: citydb_generate --cities FILE --hot-list FILE --first-year YEAR --years N "
               "--out DIR [--regular-years N] [--zoneinfo DIR] [--rules]\n";
  std::exit(2);
}

int ParseInt(const std::string& text, const char* what) {
  if (const auto value = WholeNumber(text)) return *value;
  Usage(std::string(what) + " must be a whole number, not \"" + text + "\"");
}

Options ParseOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--rules") {
      o.listRules = true;
      continue;
    }
    if (i + 1 >= argc) Usage(arg + " needs a value");
    const std::string value = argv[++i];
    if (arg == "--cities") {
      o.cities = value;
    } else if (arg == "--hot-list") {
      o.hotList = value;
    } else if (arg == "--out") {
      o.out = value;
    } else if (arg == "--zoneinfo") {
      o.zoneinfo = value;
    } else if (arg == "--first-year") {
      o.firstYear = ParseInt(value, "--first-year");
    } else if (arg == "--years") {
      o.years = ParseInt(value, "--years");
    } else if (arg == "--regular-years") {
      o.regularYears = ParseInt(value, "--regular-years");
    } else {
      Usage("unknown option " + arg);
    }
  }
  if (o.cities.empty() || o.hotList.empty() || o.out.empty()) Usage("missing option");
  if (o.firstYear < 1971 || o.firstYear > 2200 || o.years < 1 || o.years > 100) {
    Usage("--first-year must lie within 1971..2200 and --years within 1..100");
  }
  return o;
}

// Names of the Hot List: one a line; blank lines and lines starting with '#'
// are skipped.
std::vector<std::string> ReadHotList(const std::string& path) {
  const Bytes bytes = ReadWholeFile(path);
  std::vector<std::string> names;
  std::string line;
  for (std::size_t i = 0; i <= bytes.size(); ++i) {
    if (i == bytes.size() || bytes[i] == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty() && line[0] != '#') names.push_back(TrimRight(line));
      line.clear();
    } else {
      line += static_cast<char>(bytes[i]);
    }
  }
  return names;
}

void CheckLength(const CitySource& s, const std::string& text, std::size_t max, const char* field) {
  if (text.size() > max) {
    throw AppError("line " + std::to_string(s.Line) + ": the " + field + " \"" + text +
                   "\" is longer than " + std::to_string(max) + " characters");
  }
}

struct LeftOutCity {
  const CitySource* source;
  std::string reason;
};

int Run(const Options& o) {
  const ZoneInfo zones(o.zoneinfo);
  if (!zones.present()) {
    throw AppError("No zone files in " + zones.directory().string() +
                   " (the build compiles them from tools/citydb/tzdata: build the target "
                   "citydb_zoneinfo)");
  }
  const std::vector<CitySource> sources = LoadCitySources(o.cities);

  std::map<std::string, ZoneFit> fits;
  for (const CitySource& s : sources) {
    if (fits.count(s.Zone) != 0) continue;
    const std::optional<PosixTz> footer = ParsePosixTz(zones.footer(s.Zone));
    ZoneClock clock(zones, s.Zone);
    fits[s.Zone] = FitZone([&](std::chrono::sys_seconds t) { return clock.offsetMinutes(t); },
                           footer, o.firstYear, o.years, o.regularYears);
  }

  std::vector<CityEntry> entries;
  std::vector<LeftOutCity> leftOut;
  for (const CitySource& s : sources) {
    const ZoneFit& fit = fits.at(s.Zone);
    if (fit.kind == ZoneFit::Kind::LeftOut) {
      leftOut.push_back({&s, fit.leftOutReason});
      continue;
    }
    CheckLength(s, s.Name, kNameLength, "name");
    CheckLength(s, s.State, kStateLength, "state");
    CheckLength(s, s.Country, kCountryLength, "country");
    CityEntry e;
    e.Name = PadRight(s.Name, kNameLength);
    e.State = s.State;
    e.Country = s.Country;
    e.Longitude = LongitudeText(s.Longitude);
    e.Latitude = LatitudeText(s.Latitude);
    const EncodedOffset offset = EncodeUtcOffset(fit.standardMinutes);
    e.BaseHourOffset = offset.BaseHourOffset;
    e.MinuteOffset = offset.MinuteOffset;
    e.Origin = kOriginDatabase;
    e.Rule = fit.rule;
    entries.push_back(std::move(e));
  }
  std::sort(entries.begin(), entries.end(),
            [](const CityEntry& a, const CityEntry& b) { return NameLess(a.Name, b.Name); });
  for (std::size_t i = 1; i < entries.size(); ++i) {
    if (entries[i].Name == entries[i - 1].Name) {
      throw AppError("\"" + TrimRight(entries[i].Name) + "\" is listed twice");
    }
  }
  if (entries.size() > static_cast<std::size_t>(kMaxCities)) {
    throw AppError(std::to_string(entries.size()) + " locations do not fit the table's " +
                   std::to_string(kMaxCities));
  }
  if (std::none_of(entries.begin(), entries.end(),
                   [](const CityEntry& e) { return e.Name == kReferenceName; })) {
    throw AppError("the reference location \"Honolulu\" is missing");
  }

  const std::vector<std::string> hotNames = ReadHotList(o.hotList);
  const std::set<std::string> hot(hotNames.begin(), hotNames.end());
  std::set<std::string> found;
  Bytes database, flags;
  for (const CityEntry& e : entries) {
    const Bytes record = EncodeCityRecord(e);
    database.insert(database.end(), record.begin(), record.end());
    const bool inHotList = hot.count(TrimRight(e.Name)) != 0;
    if (inHotList) found.insert(TrimRight(e.Name));
    flags.push_back(1);
    flags.push_back(inHotList ? '1' : '0');
  }
  for (const std::string& name : hotNames) {
    if (found.count(name) == 0)
      throw AppError("the Hot List names \"" + name + "\", which is not shipped");
  }

  const std::filesystem::path out(o.out);
  WriteFileAtomically(out / kCityDatabaseFile, database);
  WriteFileAtomically(out / kHotListFile, flags);
  WriteFileAtomically(out / kCustomListFile, {});

  std::cout << zones.describe() << "; rules fitted to every hour of " << o.firstYear << "-"
            << o.firstYear + o.years - 1 << "\n"
            << "Shipped " << entries.size() << " of " << sources.size() << " locations ("
            << fits.size() << " zones) to " << (out / kCityDatabaseFile).string() << "; Hot List "
            << found.size() << " locations\n";
  std::cout << "Left out (" << leftOut.size() << "):\n";
  for (const LeftOutCity& l : leftOut) {
    std::cout << "  " << l.source->Name << " (" << l.source->Zone << "): " << l.reason << "\n";
  }
  std::map<std::string, std::vector<std::string>> citiesOfZone;
  for (const CitySource& s : sources) citiesOfZone[s.Zone].push_back(s.Name);
  std::cout << "Rules that differ from the zone's own (wrong hours sampled on the hour over the "
               "years; the first two years in brackets):\n";
  for (const auto& [zone, fit] : fits) {
    if (fit.kind != ZoneFit::Kind::Seasonal || (fit.ruleFromZoneFile && fit.wrong.total == 0))
      continue;
    std::cout << "  " << zone << " (";
    for (std::size_t i = 0; i < citiesOfZone[zone].size(); ++i)
      std::cout << (i ? ", " : "") << citiesOfZone[zone][i];
    std::cout << "): " << DescribeRule(fit.rule) << "; " << fit.wrong.total << " of " << fit.sampled
              << " hours wrong (" << fit.wrong.byYear[0] << ", "
              << (fit.wrong.byYear.size() > 1 ? fit.wrong.byYear[1] : 0) << ")"
              << (fit.ruleFromZoneFile ? "; the zone file's rule" : "") << "\n";
  }
  if (o.listRules) {
    std::cout << "Every zone:\n";
    for (const auto& [zone, fit] : fits) {
      if (fit.kind == ZoneFit::Kind::LeftOut) continue;
      std::cout << "  " << zone << ": " << UtcOffsetText(fit.standardMinutes) << ", "
                << DescribeRule(fit.rule) << "\n";
    }
  }
  return 0;
}

}  // namespace
}  // namespace meridex::citydb

int main(int argc, char** argv) {
  const auto options = meridex::citydb::ParseOptions(argc, argv);
  try {
    return meridex::citydb::Run(options);
  } catch (const std::exception& e) {
    std::cerr << "citydb_generate: " << e.what() << "\n";
    return 1;
  }
}
