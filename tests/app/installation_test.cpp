#include "app/installation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "common/errors.h"
#include "common/user_preferences.h"
#include "support/temp_dir.h"

namespace meridex {
namespace {

namespace fs = std::filesystem;

void Write(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

std::string Read(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// An installed tree: prefix/bin/meridex and prefix/share/meridex.
class InstallationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Write(data / kPreferencesFile, "shipped prefs");
    Write(data / "kydafe.dat", "cities");
    Write(data / "help" / "index.html", "<p>help</p>");
    Write(data / "README.md", "notes");
    Write(prefix / "bin" / "meridex", "");
  }

  test::TempDir tmp;
  fs::path prefix = tmp.path() / "usr";
  fs::path data = prefix / "share" / "meridex";
  fs::path home = tmp.path() / "home" / "meridex";
};

TEST_F(InstallationTest, FindsTheDataRelativeToTheExecutableWhereverTheTreeIs) {
  const auto found =
      FindInstallation(prefix / "bin" / "meridex", "../share/meridex", "../share/doc/meridex");
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->dataDir, fs::canonical(data));
  EXPECT_EQ(found->docDir, fs::weakly_canonical(prefix / "share" / "doc" / "meridex"));

  fs::rename(prefix, tmp.path() / "moved");
  const auto moved = FindInstallation(tmp.path() / "moved" / "bin" / "meridex", "../share/meridex",
                                      "../share/doc/meridex");
  ASSERT_TRUE(moved.has_value());
  EXPECT_EQ(moved->dataDir, fs::canonical(tmp.path() / "moved" / "share" / "meridex"));
}

TEST_F(InstallationTest, AFolderWithoutTheDefaultPreferencesIsNoInstallation) {
  EXPECT_FALSE(FindInstallation(prefix / "bin" / "meridex", "../share/nothing", "../doc"));
  fs::remove(data / kPreferencesFile);
  EXPECT_FALSE(FindInstallation(prefix / "bin" / "meridex", "../share/meridex", "../doc"));
}

TEST_F(InstallationTest, TheFirstStartCopiesEveryShippedFileButTheNotes) {
  std::vector<fs::path> copied = ProvideUserFiles(data, home);
  std::sort(copied.begin(), copied.end());
  EXPECT_EQ(copied, (std::vector<fs::path>{"help/index.html", "kydafe.dat", "userpref.dat"}));
  EXPECT_EQ(Read(home / kPreferencesFile), "shipped prefs");
  EXPECT_EQ(Read(home / "help" / "index.html"), "<p>help</p>");
  EXPECT_FALSE(fs::exists(home / "README.md"));
  // No temporary file is left beside the copies.
  EXPECT_EQ(std::distance(fs::directory_iterator(home), fs::directory_iterator()), 3);
}

TEST_F(InstallationTest, LaterStartsNeverOverwriteAndOnlyAddWhatIsMissing) {
  ProvideUserFiles(data, home);
  Write(home / kPreferencesFile, "the user's prefs");
  fs::remove(home / "help" / "index.html");
  Write(data / "tglobe.prf", "new in this version");

  std::vector<fs::path> copied = ProvideUserFiles(data, home);
  std::sort(copied.begin(), copied.end());
  EXPECT_EQ(copied, (std::vector<fs::path>{"help/index.html", "tglobe.prf"}));
  EXPECT_EQ(Read(home / kPreferencesFile), "the user's prefs");
  EXPECT_TRUE(ProvideUserFiles(data, home).empty());
}

TEST_F(InstallationTest, CopiesOfReadOnlyShippedFilesCanBeRewrittenByTheUser) {
  fs::permissions(data / kPreferencesFile,
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  ProvideUserFiles(data, home);
  EXPECT_NE(fs::status(home / kPreferencesFile).permissions() & fs::perms::owner_write,
            fs::perms::none);
}

TEST_F(InstallationTest, AFolderThatCannotBeMadeIsAnErrorNamingIt) {
  Write(tmp.path() / "home", "a file where the folder should be");
  try {
    ProvideUserFiles(data, home);
    FAIL() << "no error";
  } catch (const IoError& e) {
    EXPECT_NE(std::string(e.what()).find("\"meridex\""), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace meridex
