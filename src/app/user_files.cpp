#include "app/user_files.h"

#include "common/atomic_files.h"
#include "common/errors.h"
#include "common/user_preferences.h"
#include "worldtime/city_files.h"

namespace meridex {

std::string RecoverUserFiles(const std::filesystem::path& workDir) {
  std::string notice;
  try {
    RecoverCityLists(workDir);
  } catch (const IoError& e) {
    notice = std::string(e.what()) +
             ".\n\nThe last change of your own locations was interrupted and could not be "
             "finished; it is finished at the next start that can write the folder.";
  }
  const std::string names[] = {kPreferencesFile, kCustomListFile, kHotListFile, kCityListsJournal};
  RemoveStaleTemporaries(workDir, names);
  return notice;
}

}  // namespace meridex
