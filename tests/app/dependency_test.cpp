// The shape of the code: subsystems depend downward only. Every file under
// src/<folder>/ may include its own folder's headers and those of the folders
// below it; app/ is the composition root, which nothing includes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = fs::path(MERIDEX_SOURCE_DIR) / "src";

// The folders each folder may include besides its own. common/ and widgets/
// are the ground every window stands on.
const std::map<std::string, std::set<std::string>> kMayInclude{
    {"common", {}},
    {"widgets", {"common"}},
    {"worldtime", {"common", "widgets"}},
    {"alarms", {"common", "widgets", "worldtime"}},
    {"globe", {"common", "widgets"}},
    {"worldview", {"common", "widgets", "worldtime", "globe"}},
    {"convert", {"common", "widgets"}},
    {"calculator", {"common", "widgets"}},
    {"app",
     {"common", "widgets", "worldtime", "alarms", "globe", "worldview", "convert", "calculator"}},
};

struct Include {
  fs::path file;
  int line;
  std::string folder;  // the first path component of the included name
};

// The project includes of a file: #include "folder/name" or <folder/name>
// where folder is one of the source folders.
std::vector<Include> ProjectIncludes(const fs::path& file) {
  std::vector<Include> found;
  std::ifstream in(file);
  std::string text;
  for (int line = 1; std::getline(in, text); ++line) {
    std::size_t at = text.find_first_not_of(" \t");
    if (at == std::string::npos || text[at] != '#') continue;
    at = text.find_first_not_of(" \t", at + 1);
    if (at == std::string::npos || text.compare(at, 7, "include") != 0) continue;
    at = text.find_first_of("\"<", at + 7);
    if (at == std::string::npos) continue;
    const std::size_t slash = text.find('/', at + 1);
    if (slash == std::string::npos) continue;
    const std::string folder = text.substr(at + 1, slash - at - 1);
    if (kMayInclude.count(folder)) found.push_back({file, line, folder});
  }
  return found;
}

// Every include under src/ that goes against kMayInclude, as "file:line
// includes folder/".
std::vector<std::string> UpwardIncludes() {
  std::vector<std::string> wrong;
  for (const auto& entry : fs::recursive_directory_iterator(kSourceDir)) {
    const std::string ext = entry.path().extension().string();
    if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
    const std::string owner = fs::relative(entry.path(), kSourceDir).begin()->string();
    const auto rule = kMayInclude.find(owner);
    if (rule == kMayInclude.end()) {
      wrong.push_back(owner + "/ is not a known source folder; add it to kMayInclude");
      continue;
    }
    for (const Include& inc : ProjectIncludes(entry.path())) {
      if (inc.folder == owner || rule->second.count(inc.folder)) continue;
      wrong.push_back(fs::relative(inc.file, kSourceDir).string() + ":" + std::to_string(inc.line) +
                      " includes " + inc.folder + "/");
    }
  }
  return wrong;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "  " + line + "\n";
  return text;
}

TEST(Dependencies, NoSubsystemIncludesTheCompositionRoot) {
  std::vector<std::string> intoApp;
  for (const std::string& line : UpwardIncludes()) {
    if (line.ends_with(" includes app/")) intoApp.push_back(line);
  }
  EXPECT_TRUE(intoApp.empty()) << "app/ is included from below:\n" << Lines(intoApp);
}

TEST(Dependencies, EveryFolderIncludesOnlyTheFoldersBelowIt) {
  const std::vector<std::string> wrong = UpwardIncludes();
  EXPECT_TRUE(wrong.empty()) << "includes against the layering:\n" << Lines(wrong);
}

TEST(Dependencies, TheCheckSeesTheIncludesOfEveryFolder) {
  // A check that read nothing would pass on anything: the app includes all
  // the subsystems, and each window includes common/.
  std::set<std::string> seenFromApp;
  for (const auto& entry : fs::directory_iterator(kSourceDir / "app")) {
    for (const Include& inc : ProjectIncludes(entry.path())) seenFromApp.insert(inc.folder);
  }
  for (const char* folder : {"common", "worldtime", "alarms", "convert", "calculator"}) {
    EXPECT_TRUE(seenFromApp.count(folder)) << folder;
  }
  EXPECT_EQ(ProjectIncludes(kSourceDir / "alarms" / "alarm_form.cpp").front().folder, "alarms");
}

}  // namespace
