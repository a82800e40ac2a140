// The shipped help pages: every page has a title and every link between
// pages leads to a page that is shipped.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

const std::filesystem::path kHelpDir = std::filesystem::path(MERIDEX_SOURCE_DIR) / "data" / "help";

std::string Read(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(HelpPages, HaveTitlesAndLinkOnlyToShippedPages) {
  ASSERT_TRUE(std::filesystem::exists(kHelpDir / "index.html"));
  const std::regex link("href=\"([^\"#]+)\"");
  int pages = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kHelpDir)) {
    if (entry.path().extension() != ".html") continue;
    ++pages;
    const std::string page = Read(entry.path());
    EXPECT_NE(page.find("<title>"), std::string::npos) << entry.path();
    for (std::sregex_iterator it(page.begin(), page.end(), link), end; it != end; ++it) {
      const std::string target = (*it)[1];
      if (target.rfind("http", 0) == 0) continue;
      EXPECT_TRUE(std::filesystem::exists(kHelpDir / target))
          << entry.path().filename() << " links to missing " << target;
    }
  }
  EXPECT_GE(pages, 6);
}

}  // namespace
