// The shipped help pages: every page has a title and every link between
// pages leads to a page that is shipped.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::filesystem::path kHelpDir = std::filesystem::path(MERIDEX_SOURCE_DIR) / "data" / "help";

// Every href target of a page, without any #fragment; empty targets are skipped.
std::vector<std::string> LinkTargets(const std::string& page) {
  std::vector<std::string> targets;
  const std::string open = "href=\"";
  for (size_t at = page.find(open); at != std::string::npos; at = page.find(open, at)) {
    at += open.size();
    const size_t close = page.find('"', at);
    if (close == std::string::npos) break;
    std::string target = page.substr(at, close - at);
    target = target.substr(0, target.find('#'));
    if (!target.empty()) targets.push_back(target);
    at = close;
  }
  return targets;
}

std::string Read(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(HelpPages, HaveTitlesAndLinkOnlyToShippedPages) {
  ASSERT_TRUE(std::filesystem::exists(kHelpDir / "index.html"));
  int pages = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kHelpDir)) {
    if (entry.path().extension() != ".html") continue;
    ++pages;
    const std::string page = Read(entry.path());
    EXPECT_NE(page.find("<title>"), std::string::npos) << entry.path();
    for (const std::string& target : LinkTargets(page)) {
      if (target.rfind("http", 0) == 0) continue;
      EXPECT_TRUE(std::filesystem::exists(kHelpDir / target))
          << entry.path().filename() << " links to missing " << target;
    }
  }
  EXPECT_GE(pages, 6);
}

}  // namespace
