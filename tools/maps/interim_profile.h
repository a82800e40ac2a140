#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "globe/globe_host.h"
#include "globe/headless_globe.h"

namespace meridex::maps {

// Stands in for the globe's own profile loading until the globe has it: a
// profile file read into memory, and the loop that loads the layers it
// lists. Remove once the globe reads profiles.
class TIniProfile : public TProfileReader {
 public:
  // Throws std::runtime_error when the file cannot be read.
  explicit TIniProfile(const std::filesystem::path& file);

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const override;
  std::int32_t ReadInteger(const std::string& section, const std::string& key,
                           std::int32_t defaultValue) const override;
  bool ReadBool(const std::string& section, const std::string& key,
                bool defaultValue) const override;

 private:
  std::map<std::string, std::map<std::string, std::string>> values_;  // lower-case names
};

// Loads the layers profile lists into globe (bare names from DataDirectory,
// names with a directory below the profile's directory), each reading its
// section. Returns the message of every layer that failed to load (that
// layer is left empty), as the globe would show them.
std::vector<std::string> LoadProfileLayers(THeadlessGlobe& globe, const TIniProfile& profile,
                                           const std::filesystem::path& profileFile);

}  // namespace meridex::maps
