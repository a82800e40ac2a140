#pragma once

#include <filesystem>

#include "worldtime/city_table.h"

namespace meridex {

// The city list's two user files, "custlst.dat" and "chklst.dat", as the
// list keeps them in step with its table. They are written only once the
// table has loaded (a table that failed to load would wipe them). After an
// add or a delete both files are due and are written together as one change
// (SaveCityLists) until that succeeds; meanwhile the flags are never written
// alone, since they belong to the custom list on disk.
class CityListFiles {
 public:
  explicit CityListFiles(std::filesystem::path dir) : dir_(std::move(dir)) {}

  // The table loaded whole (LoadCityTable returned): the files may be
  // written from now on.
  void tableLoaded() { loaded_ = true; }
  bool loaded() const { return loaded_; }

  // An own location was added or deleted.
  void customListChanged() { customListDue_ = true; }
  // The custom list has changed since it was last written.
  bool customListDue() const { return customListDue_; }

  // Writes the Hot List flags, and with them the custom list when it is due.
  // Nothing when the table did not load. Throws IoError naming the file that
  // failed and saying what stays unsaved; it stays due for the next save.
  void save(const CityTable& table);

 private:
  std::filesystem::path dir_;
  bool loaded_ = false;
  bool customListDue_ = false;
};

}  // namespace meridex
