#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace meridex::citydb {

// One row of the committed location list (cities.csv):
// name,state,country,lat,lon,iana_zone,population,source.
struct CitySource {
  std::string Name;
  std::string State;
  std::string Country;
  double Latitude = 0;   // decimal degrees, north positive
  double Longitude = 0;  // decimal degrees, east positive
  std::string Zone;      // IANA zone name, e.g. "Europe/Paris"
  int Line = 0;          // line in the file, for messages
};

// Splits CSV text (RFC 4180: fields may be quoted, "" is a quote inside a
// quoted field, lines end in LF or CRLF) into rows of fields. Throws AppError
// naming `fileName` and the line for an unterminated quote or a stray quote.
std::vector<std::vector<std::string>> ParseCsv(std::string_view text, std::string_view fileName);

// Reads the location list. The header must be the one above; every row needs
// a name, a zone and coordinates within +-90 / +-180 degrees. Throws AppError
// naming the file and line of the first bad row.
std::vector<CitySource> ReadCitySources(std::string_view csvText, std::string_view fileName);

// Reads the file and its rows; throws IoError when it cannot be read.
std::vector<CitySource> LoadCitySources(const std::string& path);

}  // namespace meridex::citydb
