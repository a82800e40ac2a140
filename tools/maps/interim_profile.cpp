#include "interim_profile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <stdexcept>

#include "globe/globe_exception.h"

namespace meridex::maps {

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string Trim(const std::string& text) {
  const std::size_t a = text.find_first_not_of(" \t\r"), b = text.find_last_not_of(" \t\r");
  return a == std::string::npos ? "" : text.substr(a, b - a + 1);
}

}  // namespace

TIniProfile::TIniProfile(const std::filesystem::path& file) {
  std::ifstream in(file);
  if (!in) throw std::runtime_error("cannot open \"" + file.string() + "\"");
  std::string line, section;
  while (std::getline(in, line)) {
    line = Trim(line);
    if (line.size() > 1 && line.front() == '[' && line.back() == ']') {
      section = Lower(line.substr(1, line.size() - 2));
    } else if (const std::size_t eq = line.find('='); eq != std::string::npos && line[0] != ';') {
      values_[section].emplace(Lower(Trim(line.substr(0, eq))), Trim(line.substr(eq + 1)));
    }
  }
}

std::string TIniProfile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const {
  const auto s = values_.find(Lower(section));
  if (s == values_.end()) return defaultValue;
  const auto k = s->second.find(Lower(key));
  return k == s->second.end() ? defaultValue : k->second;
}

std::int32_t TIniProfile::ReadInteger(const std::string& section, const std::string& key,
                                      std::int32_t defaultValue) const {
  const std::string text = ReadString(section, key, "");
  try {
    std::size_t used = 0;
    const long value = std::stol(text, &used, 0);
    return used == text.size() ? static_cast<std::int32_t>(value) : defaultValue;
  } catch (const std::exception&) {
    return defaultValue;
  }
}

bool TIniProfile::ReadBool(const std::string& section, const std::string& key,
                           bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::vector<std::string> LoadProfileLayers(THeadlessGlobe& globe, const TIniProfile& profile,
                                           const std::filesystem::path& profileFile) {
  const std::string parent = profileFile.parent_path().string();
  const std::string dir = parent.empty() ? "" : parent + "/";
  std::string dataDir = profile.ReadString("Global Settings", "DataDirectory", "");
  if (!dataDir.empty() && dataDir.back() != '/' && dataDir.back() != '\\') dataDir += '/';
  std::vector<std::string> messages;
  for (int i = 0; i <= 32767; ++i) {
    const std::string entry = profile.ReadString("LayerList", std::to_string(i), "");
    if (entry.empty()) break;
    const bool hasDirectory = entry.find_first_of("/\\") != std::string::npos;
    TGlobeLayer& layer = globe.AddLayer("");
    try {
      layer.LoadFromFile((hasDirectory ? dir : dataDir) + entry);
    } catch (const EGlobeException& e) {
      messages.push_back(e.what());
      layer.Clear();  // the headless globe cannot drop a layer; an empty one draws nothing
    }
  }
  return messages;
}

}  // namespace meridex::maps
