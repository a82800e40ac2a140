// Drives the city list's saves for scripts/kill-during-saves.sh, which kills
// it with SIGKILL at random moments and then checks what it left:
//   city_lists_crash_driver setup DIR   a folder with the shipped database,
//                                       no own locations and a Hot List
//   city_lists_crash_driver run DIR N   starts as the program does, then adds,
//                                       deletes and saves the Hot List
//                                       without end (N seeds the choice)
//   city_lists_crash_driver check DIR   starts as the program does and checks
//                                       that both files are whole and in step
// The saves go through CityListFiles, as the list window's do. Every own
// location is ticked and no database location is, so a Hot List file that
// belongs to another custom list shows at once.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "app/user_files.h"
#include "common/atomic_files.h"
#include "common/errors.h"
#include "common/record_io.h"
#include "worldtime/city_files.h"
#include "worldtime/city_list_files.h"
#include "worldtime/custom_locations.h"

namespace {

namespace fs = std::filesystem;
using namespace meridex;

void Start(const fs::path& dir, CityTable& table) {
  if (const std::string notice = RecoverUserFiles(dir); !notice.empty()) {
    throw AppError("start-up: " + notice);
  }
  LoadCityTable(dir, table);
  LoadHotListFlags(dir, table);
}

int Setup(const fs::path& dir) {
  fs::create_directories(dir);
  fs::copy_file(fs::path(MERIDEX_SOURCE_DIR) / "data" / kCityDatabaseFile, dir / kCityDatabaseFile,
                fs::copy_options::overwrite_existing);
  WriteFileAtomically(dir / kCustomListFile, {});
  CityTable table;
  LoadCityTable(dir, table);
  for (int i = 0; i < table.Count; ++i) table.HotListFlags[static_cast<std::size_t>(i)] = '0';
  SaveHotListFlags(dir, table);
  return 0;
}

int Run(const fs::path& dir, unsigned seed) {
  CityTable table;
  Start(dir, table);
  CityListFiles files(dir);
  files.tableLoaded();
  std::mt19937 random(seed);
  for (unsigned step = 0;; ++step) {
    std::vector<int> own;
    for (int i = 0; i < table.Count; ++i) {
      if (table.Entries[static_cast<std::size_t>(i)].Origin == kOriginCustom) own.push_back(i);
    }
    const unsigned choice = random() % 3;
    if (choice == 0 || own.empty()) {  // Add Location, ticked
      const std::string name = "Own " + std::to_string(seed) + " " + std::to_string(step);
      AddCustomLocation(table, name, table.Entries[random() % table.Count]);
      files.customListChanged();
    } else if (choice == 1) {  // Delete Location
      table.remove(own[random() % own.size()]);
      files.customListChanged();
    }  // else Save Hot List, as it stands
    files.save(table);
  }
}

int Fail(const std::string& why) {
  std::fprintf(stderr, "NOT IN STEP: %s\n", why.c_str());
  return 1;
}

int Check(const fs::path& dir) {
  // What the kill left, before start-up deals with it.
  bool journal = fs::exists(dir / kCityListsJournal);
  int leftovers = 0;
  for (const auto& entry : fs::directory_iterator(dir)) {
    leftovers += entry.path().filename().string()[0] == '.';
  }
  CityTable table;
  Start(dir, table);
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.path().filename().string()[0] == '.') {
      return Fail("left after start-up: " + entry.path().filename().string());
    }
  }
  const Bytes custom = ReadWholeFile(dir / kCustomListFile);
  const Bytes flags = ReadWholeFile(dir / kHotListFile);
  if (custom.size() % kCustomRecordSize != 0) return Fail("custlst.dat is cut");
  if (flags.size() != kHotListRecordSize * static_cast<std::size_t>(table.Count)) {
    return Fail("chklst.dat has " + std::to_string(flags.size() / kHotListRecordSize) +
                " records for " + std::to_string(table.Count) + " locations");
  }
  int ownCount = 0;
  for (int i = 0; i < table.Count; ++i) {
    const bool isOwn = table.Entries[static_cast<std::size_t>(i)].Origin == kOriginCustom;
    ownCount += isOwn;
    if (table.inHotList(i) != isOwn) {
      return Fail("the tick of \"" + table.Entries[static_cast<std::size_t>(i)].Name +
                  "\" belongs to another location");
    }
  }
  std::printf("ok: %d own locations; %s, %d leftover files\n", ownCount,
              journal ? "an interrupted pair save finished" : "no journal", leftovers);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 2 ? argv[1] : "";
  try {
    if (mode == "setup") return Setup(argv[2]);
    if (mode == "run" && argc > 3) return Run(argv[2], static_cast<unsigned>(std::atoi(argv[3])));
    if (mode == "check") return Check(argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 2;
  }
  std::fprintf(stderr, "usage: city_lists_crash_driver setup|run|check DIR [SEED]\n");
  return 2;
}
