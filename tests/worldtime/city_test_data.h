#pragma once

#include <string>
#include <vector>

#include "common/record_io.h"
#include "common/text.h"
#include "worldtime/city_files.h"

namespace meridex::test {

// A database entry with a padded name, as the shipped database stores them.
inline CityEntry DatabaseCity(const std::string& name, int baseHourOffset = 0,
                              DaylightSavingRule rule = {}) {
  CityEntry e;
  e.Name = PadRight(name, kNameLength);
  e.State = "State";
  e.Country = "Country";
  e.Longitude = "151.12E";
  e.Latitude = "33.52S";
  e.BaseHourOffset = static_cast<std::uint8_t>(baseHourOffset);
  e.Origin = kOriginDatabase;
  e.Rule = rule;
  return e;
}

inline CityEntry CustomCity(const std::string& name, int baseHourOffset = 0) {
  CityEntry e;
  e.Name = name;
  e.BaseHourOffset = static_cast<std::uint8_t>(baseHourOffset);
  e.Origin = kOriginCustom;
  return e;
}

inline Bytes DatabaseFile(const std::vector<CityEntry>& entries) {
  Bytes out;
  for (const CityEntry& e : entries) {
    const Bytes r = EncodeCityRecord(e);
    out.insert(out.end(), r.begin(), r.end());
  }
  return out;
}

inline Bytes CustomFile(const std::vector<CityEntry>& entries) {
  Bytes out;
  for (const CityEntry& e : entries) {
    const Bytes r = EncodeCustomRecord(e);
    out.insert(out.end(), r.begin(), r.end());
  }
  return out;
}

// A Hot List file from a string of '0'/'1' characters.
inline Bytes FlagsFile(const std::string& flags) {
  Bytes out;
  for (char f : flags) {
    out.push_back(1);
    out.push_back(static_cast<std::uint8_t>(f));
  }
  return out;
}

}  // namespace meridex::test
