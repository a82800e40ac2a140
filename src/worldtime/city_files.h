#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "common/record_io.h"
#include "worldtime/city_table.h"

namespace meridex {

inline constexpr const char* kCityDatabaseFile = "kydafe.dat";
inline constexpr const char* kCustomListFile = "custlst.dat";
inline constexpr const char* kHotListFile = "chklst.dat";

inline constexpr std::size_t kCityRecordSize = 93;
inline constexpr std::size_t kCustomRecordSize = 40;
inline constexpr std::size_t kHotListRecordSize = 2;

// One database record, as the city database generator writes it.
Bytes EncodeCityRecord(const CityEntry& entry);
// One custom-location record.
Bytes EncodeCustomRecord(const CityEntry& entry);

// Builds the table from the city database and the custom list in `dir`,
// merged in name order (on equal names the custom entry first), creating an
// empty custom list when there is none. Throws IoError when the database is
// missing or a file ends inside a record; entries taken before the error stay
// in the table. Locations beyond the table's 599 are left out; the returned
// text (empty when nothing was left out) says so, naming the files.
std::string LoadCityTable(const std::filesystem::path& dir, CityTable& table);

// Reads the Hot List flags. Throws IoError when the file is missing or empty
// or ends inside a record. Records beyond the 600 flag slots are left out; the
// returned text says so (empty otherwise).
std::string LoadHotListFlags(const std::filesystem::path& dir, CityTable& table);

// Rewrites the Hot List flags: one record per location, stopping early at the
// first flag that was never set; at least one record.
void SaveHotListFlags(const std::filesystem::path& dir, const CityTable& table);

// Rewrites the custom list from the table's custom entries, in table order.
void SaveCustomLocations(const std::filesystem::path& dir, const CityTable& table);

}  // namespace meridex
