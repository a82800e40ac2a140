#include "worldtime/custom_locations.h"

#include <cctype>

#include "common/errors.h"

namespace meridex {

std::string ProperCase(std::string_view text) {
  std::string result(text);
  for (std::size_t i = 0; i < result.size(); ++i) {
    if (i == 0 || result[i - 1] == ' ') {
      result[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(result[i])));
    }
  }
  return result;
}

int InsertionPosition(const CityTable& table, std::string_view name) {
  for (int i = 0; i < table.Count; ++i) {
    if (!NameLess(table.Entries[static_cast<std::size_t>(i)].Name, name)) return i;
  }
  return table.Count;
}

int AddCustomLocation(CityTable& table, std::string_view typedName, const CityEntry& source) {
  const std::string name = ProperCase(typedName).substr(0, kNameLength);
  if (name.find_first_not_of(' ') == std::string::npos) {
    throw AppError("Please type a name for the new location.");
  }
  if (table.Count >= kMaxCities) {
    throw AppError("The list is full: it holds at most " + std::to_string(kMaxCities) +
                   " locations. Delete one of your own locations before adding another.");
  }
  CityEntry entry;
  entry.Name = name;
  entry.BaseHourOffset = source.BaseHourOffset;
  entry.MinuteOffset = source.MinuteOffset;
  entry.Rule = source.Rule;
  entry.Origin = kOriginCustom;
  const int position = InsertionPosition(table, name);
  table.insert(position, std::move(entry), '1');
  return position;
}

}  // namespace meridex
