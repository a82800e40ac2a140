#include "city_sources.h"

#include <charconv>
#include <cmath>

#include "common/errors.h"
#include "common/record_io.h"

namespace meridex::citydb {

namespace {

[[noreturn]] void Fail(std::string_view fileName, int line, const std::string& what) {
  throw AppError(std::string(fileName) + ":" + std::to_string(line) + ": " + what);
}

double ParseDegrees(std::string_view text, double limit, std::string_view fileName, int line,
                    const char* what) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
      !std::isfinite(value) || std::fabs(value) > limit) {
    Fail(fileName, line,
         std::string(what) + " \"" + std::string(text) + "\" is not a number of degrees within +-" +
             std::to_string(static_cast<int>(limit)));
  }
  return value;
}

}  // namespace

std::vector<std::vector<std::string>> ParseCsv(std::string_view text, std::string_view fileName) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> row;
  std::string field;
  bool quoted = false;      // inside a quoted field
  bool wasQuoted = false;   // the current field was quoted and has closed
  bool rowStarted = false;  // something of the current line has been read
  int line = 1;
  int quoteLine = 0;

  const auto endField = [&] {
    row.push_back(std::move(field));
    field.clear();
    wasQuoted = false;
  };
  const auto endRow = [&] {
    endField();
    rows.push_back(std::move(row));
    row.clear();
    rowStarted = false;
  };

  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"') {
        if (i + 1 < text.size() && text[i + 1] == '"') {
          field += '"';
          ++i;
        } else {
          quoted = false;
          wasQuoted = true;
        }
      } else {
        if (c == '\n') ++line;
        field += c;
      }
      continue;
    }
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (c == '\n') {
      endRow();
      ++line;
      continue;
    }
    rowStarted = true;
    if (c == ',') {
      endField();
    } else if (c == '"') {
      if (!field.empty() || wasQuoted) Fail(fileName, line, "a quote inside an unquoted field");
      quoted = true;
      quoteLine = line;
    } else {
      if (wasQuoted) Fail(fileName, line, "text after the closing quote of a field");
      field += c;
    }
  }
  if (quoted) Fail(fileName, quoteLine, "a quoted field is not closed");
  if (rowStarted || !row.empty()) endRow();
  return rows;
}

std::vector<CitySource> ReadCitySources(std::string_view csvText, std::string_view fileName) {
  static const std::vector<std::string> kHeader{"name", "state",     "country",    "lat",
                                                "lon",  "iana_zone", "population", "source"};
  const auto rows = ParseCsv(csvText, fileName);
  if (rows.empty() || rows.front() != kHeader) {
    Fail(fileName, 1,
         "the first line must be \"name,state,country,lat,lon,iana_zone,population,source\"");
  }
  std::vector<CitySource> sources;
  for (std::size_t r = 1; r < rows.size(); ++r) {
    const int line = static_cast<int>(r) + 1;
    const auto& f = rows[r];
    if (f.size() != kHeader.size()) {
      Fail(fileName, line,
           "expected " + std::to_string(kHeader.size()) + " fields, found " +
               std::to_string(f.size()));
    }
    CitySource s;
    s.Name = f[0];
    s.State = f[1];
    s.Country = f[2];
    s.Latitude = ParseDegrees(f[3], 90, fileName, line, "latitude");
    s.Longitude = ParseDegrees(f[4], 180, fileName, line, "longitude");
    s.Zone = f[5];
    s.Line = line;
    if (s.Name.empty()) Fail(fileName, line, "the location has no name");
    if (s.Zone.empty()) Fail(fileName, line, "\"" + s.Name + "\" has no time zone");
    sources.push_back(std::move(s));
  }
  return sources;
}

std::vector<CitySource> LoadCitySources(const std::string& path) {
  const Bytes bytes = ReadWholeFile(path);
  const std::string text(bytes.begin(), bytes.end());
  return ReadCitySources(text, path);
}

}  // namespace meridex::citydb
