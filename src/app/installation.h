#pragma once

#include <filesystem>
#include <optional>
#include <vector>

namespace meridex {

// Where the files the program ships with are. They are found from the
// executable's own location, so an installed tree can be moved as a whole;
// the build tree is laid out the same way and runs with the source tree's
// files.
struct Installation {
  std::filesystem::path dataDir;  // city database, default user files, sounds, help, map
  std::filesystem::path docDir;   // the program's home page and licence terms
};

// The installation of the program at `executable`, whose data and
// documentation folders are `dataFromBin` and `docFromBin` relative to the
// executable's folder. Empty when the data folder lacks the default
// preferences, without which the program cannot start.
std::optional<Installation> FindInstallation(const std::filesystem::path& executable,
                                             const std::filesystem::path& dataFromBin,
                                             const std::filesystem::path& docFromBin);

// Gives the user's data folder `home` every shipped file of `dataDir` (with
// its subfolders) that it lacks, and never touches a file already there: the
// user's preferences, Hot List and own places survive every start. Notes for
// developers (*.md) are not copied. Each file is written under a temporary
// name and renamed when complete, so an interrupted start leaves no half
// file. Returns the paths copied, relative to `home`. Throws IoError naming
// the file that could not be copied.
std::vector<std::filesystem::path> ProvideUserFiles(const std::filesystem::path& dataDir,
                                                    const std::filesystem::path& home);

}  // namespace meridex
