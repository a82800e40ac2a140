// libFuzzer target: any bytes as one of the program's own data files (the
// one named by MERIDEX_FUZZ_FILE), beside the shipped versions of the
// others. Reading must end with the data or a clear error naming the file,
// never a crash, an overrun or an allocation larger than the data; what was
// read is then used as the program uses it: the local time of every
// location, the alarm restored from the preferences, and the files written
// back from the table.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "alarms/alarm_state.h"
#include "common/errors.h"
#include "common/record_io.h"
#include "common/user_preferences.h"
#include "worldtime/city_files.h"
#include "worldtime/local_time.h"

namespace {

namespace fs = std::filesystem;
using namespace meridex;

// A folder of its own with the shipped files, the fuzzed one left out;
// removed when the run ends.
struct FuzzFolder {
  FuzzFolder();
  ~FuzzFolder() {
    std::error_code ignored;
    fs::remove_all(dir, ignored);
  }
  fs::path dir = fs::temp_directory_path() / ("meridex-fuzz-" + std::to_string(::getpid()));
};

FuzzFolder::FuzzFolder() {
  fs::create_directories(dir);
  for (const char* name : {kCityDatabaseFile, kCustomListFile, kHotListFile, kPreferencesFile}) {
    if (std::string(name) != MERIDEX_FUZZ_FILE) {
      fs::copy_file(fs::path(MERIDEX_DATA_DIR) / name, dir / name,
                    fs::copy_options::overwrite_existing);
    }
  }
}

void Write(const fs::path& file, const std::uint8_t* data, std::size_t size) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void UseTheTable(const fs::path& dir, CityTable& table) {
  try {
    LoadHotListFlags(dir, table);
  } catch (const AppError&) {
  }
  // Two instants: one in northern summer, one in winter, so that every rule
  // is looked at both ways.
  for (const UtcTime at :
       {UtcTime{Millis{1'783'000'000'000}}, UtcTime{Millis{1'797'000'000'000}}}) {
    try {
      RefreshHourOffsets(table, at);
    } catch (const ConversionError&) {
    }
    for (int i = 0; i < table.Count; ++i)
      ComputeLocalTime(table.Entries[static_cast<std::size_t>(i)], at);
  }
  HotListFileBytes(table);
  CustomListFileBytes(table);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const FuzzFolder folder;
  const fs::path& dir = folder.dir;
  Write(dir / MERIDEX_FUZZ_FILE, data, size);
  if (std::string(MERIDEX_FUZZ_FILE) == kPreferencesFile) {
    try {
      const UserPreferences prefs = ReadUserPreferences(dir);
      AlarmState alarm;
      RestoreAlarm(prefs, alarm);
    } catch (const AppError&) {
    }
    return 0;
  }
  static CityTable table;
  try {
    LoadCityTable(dir, table);
  } catch (const AppError&) {
    // A broken record ends the load; the locations before it stay.
  }
  UseTheTable(dir, table);
  return 0;
}
