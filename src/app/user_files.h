#pragma once

#include <filesystem>
#include <string>

namespace meridex {

// Run at start-up before any user file is read: finishes a save of the city
// lists that a crash interrupted after its commit point (RecoverCityLists)
// and removes the temporary files that interrupted saves of the preferences,
// the custom list and the Hot List left behind. Returns a message for the
// user when an interrupted save could not be finished (empty otherwise).
std::string RecoverUserFiles(const std::filesystem::path& workDir);

}  // namespace meridex
