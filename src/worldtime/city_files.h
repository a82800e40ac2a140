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

// The Hot List file's content: flag 0, flag 1, ... up to the first flag
// that was never set (at least one record), so flags beyond the table's
// locations are kept.
Bytes HotListFileBytes(const CityTable& table);
// The custom list's content: the table's own locations with those left out
// of it (LeftOutCustom), in name order.
Bytes CustomListFileBytes(const CityTable& table);

// Rewrite one file each (WriteFileAtomically).
void SaveHotListFlags(const std::filesystem::path& dir, const CityTable& table);
void SaveCustomLocations(const std::filesystem::path& dir, const CityTable& table);

// An add or a delete changes both files: flag i belongs to table entry i, so
// the Hot List file is only right beside the custom list it was written
// with. They are written as one change (CommitFileGroup with the journal
// below): the custom list first, then the flags.
inline constexpr const char* kCityListsJournal = ".custlst+chklst.commit";
void SaveCityLists(const std::filesystem::path& dir, const CityTable& table);

// At start-up, before the lists are read: finishes a SaveCityLists that was
// interrupted after its commit point (returns true), or drops the
// temporaries of one that was not. Throws IoError when it cannot finish.
bool RecoverCityLists(const std::filesystem::path& dir);

}  // namespace meridex
