#include "worldtime/city_list_files.h"

#include <string>

#include "common/errors.h"
#include "worldtime/city_files.h"

namespace meridex {

void CityListFiles::save(const CityTable& table) {
  if (!loaded_) return;
  try {
    if (customListDue_) {
      SaveCityLists(dir_, table);
      customListDue_ = false;
    } else {
      SaveHotListFlags(dir_, table);
    }
  } catch (const IoError& e) {
    const std::string unsaved =
        customListDue_ ? "Your own locations and the Hot List are not saved yet. They stay"
                       : "The Hot List is not saved yet. It stays";
    throw IoError(std::string(e.what()) + ".\n\n" + unsaved +
                  " as shown, and Meridex saves again when you leave the list, choose "
                  "\"Save Hot List\" or close it.");
  }
}

}  // namespace meridex
