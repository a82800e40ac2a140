#pragma once

#include <string>
#include <string_view>

#include "worldtime/city_table.h"

namespace meridex {

// Upper-cases the first character and every character after a space; the
// rest stays as typed ("new york" gives "New York").
std::string ProperCase(std::string_view text);

// Where a name goes in the table: the first slot whose name is not smaller,
// or the slot after the last entry.
int InsertionPosition(const CityTable& table, std::string_view name);

// Adds the user's own location `typedName` (proper-cased, cut to 27
// characters) with the time attributes of `source`, ticked into the Hot
// List, in its sorted place. Returns its index. Throws AppError when the
// name is blank or the table is full; the table is then unchanged.
int AddCustomLocation(CityTable& table, std::string_view typedName, const CityEntry& source);

}  // namespace meridex
