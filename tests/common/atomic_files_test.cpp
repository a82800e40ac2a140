#include "common/atomic_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "common/errors.h"
#include "support/temp_dir.h"

namespace meridex {
namespace {

using test::TempDir;

const std::string kJournal = ".pair.commit";
const std::string kNames[] = {"a.dat", "b.dat"};

std::vector<std::string> Entries(const TempDir& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
    names.push_back(e.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// A journal as a commit writes it.
const Bytes kJournalText{'a', '.', 'd', 'a', 't', '\n', 'b', '.', 'd', 'a', 't', '\n'};

// The old pair on disk, as before a commit.
void OldPair(const TempDir& dir) {
  dir.write("a.dat", Bytes{'a', 1});
  dir.write("b.dat", Bytes{'b', 1});
}

TEST(FileGroup, ACommitReplacesEveryFileAndLeavesNothingElse) {
  TempDir dir;
  OldPair(dir);
  const Bytes a{'a', 2}, b{'b', 2, 2};
  const NewContent files[] = {{"a.dat", a}, {"b.dat", b}};
  CommitFileGroup(dir.path(), kJournal, files);
  EXPECT_EQ(dir.read("a.dat"), a);
  EXPECT_EQ(dir.read("b.dat"), b);
  EXPECT_EQ(Entries(dir), (std::vector<std::string>{"a.dat", "b.dat"}));
  EXPECT_FALSE(RecoverFileGroup(dir.path(), kJournal, kNames));
}

// Every state a crash can leave, from the first temporary written to the
// journal removed, and what start-up makes of it.
TEST(FileGroup, RecoveryAfterACrashAnywhereLeavesAllOldOrAllNew) {
  struct Crash {
    const char* when;
    bool aNew, bNew, journal, aRenamed, bRenamed;
    bool expectNew;
  };
  const Crash crashes[] = {
      {"while writing the temporaries", true, false, false, false, false, false},
      {"with both temporaries, before the journal", true, true, false, false, false, false},
      {"just after the journal", true, true, true, false, false, true},
      {"between the two renames", false, true, true, true, false, true},
      {"after both renames", false, false, true, true, true, true},
  };
  for (const Crash& c : crashes) {
    SCOPED_TRACE(c.when);
    TempDir dir;
    OldPair(dir);
    if (c.aNew) dir.write(".a.dat.new", Bytes{'a', 2});
    if (c.bNew) dir.write(".b.dat.new", Bytes{'b', 2});
    if (c.aRenamed) dir.write("a.dat", Bytes{'a', 2});
    if (c.bRenamed) dir.write("b.dat", Bytes{'b', 2});
    if (c.journal) dir.write(kJournal, kJournalText);
    EXPECT_EQ(RecoverFileGroup(dir.path(), kJournal, kNames), c.journal);
    const std::uint8_t version = c.expectNew ? 2 : 1;
    EXPECT_EQ(dir.read("a.dat"), (Bytes{'a', version}));
    EXPECT_EQ(dir.read("b.dat"), (Bytes{'b', version}));
    EXPECT_EQ(Entries(dir), (std::vector<std::string>{"a.dat", "b.dat"}));
  }
}

TEST(FileGroup, AnInterruptedCommitIsFinishedBeforeTheNextOneBegins) {
  TempDir dir;
  OldPair(dir);
  // An earlier commit stopped between its renames: "a.dat" is new, the
  // journal still there. Its temporaries must not mix with the next ones.
  dir.write("a.dat", Bytes{'a', 2});
  dir.write(".b.dat.new", Bytes{'b', 2});
  dir.write(kJournal, kJournalText);
  const Bytes a{'a', 3};
  const NewContent onlyA[] = {{"a.dat", a}};
  CommitFileGroup(dir.path(), kJournal, onlyA);
  EXPECT_EQ(dir.read("a.dat"), a);
  EXPECT_EQ(dir.read("b.dat"), (Bytes{'b', 2}));  // the earlier commit, finished
  EXPECT_EQ(Entries(dir), (std::vector<std::string>{"a.dat", "b.dat"}));
}

TEST(FileGroup, AReadOnlyFileStopsTheCommitBeforeAnythingIsWritten) {
  TempDir dir;
  OldPair(dir);
  std::filesystem::permissions(dir / "b.dat", std::filesystem::perms::owner_read);
  const Bytes a{'a', 2}, b{'b', 2};
  const NewContent files[] = {{"a.dat", a}, {"b.dat", b}};
  try {
    CommitFileGroup(dir.path(), kJournal, files);
    FAIL() << "no error";
  } catch (const IoError& e) {
    EXPECT_STREQ(e.what(), "Cannot write \"b.dat\": the file is read-only");
  }
  EXPECT_EQ(dir.read("a.dat"), (Bytes{'a', 1}));
  EXPECT_EQ(Entries(dir), (std::vector<std::string>{"a.dat", "b.dat"}));
}

TEST(FileGroup, AFailedWriteOfOneFileWritesNeither) {
  TempDir dir;
  OldPair(dir);
  // A folder where the second temporary goes makes its writing fail.
  std::filesystem::create_directory(dir / ".b.dat.new");
  const Bytes a{'a', 2}, b{'b', 2};
  const NewContent files[] = {{"a.dat", a}, {"b.dat", b}};
  EXPECT_THROW(CommitFileGroup(dir.path(), kJournal, files), IoError);
  EXPECT_EQ(dir.read("a.dat"), (Bytes{'a', 1}));
  EXPECT_EQ(dir.read("b.dat"), (Bytes{'b', 1}));
  EXPECT_FALSE(dir.exists(kJournal));
  EXPECT_FALSE(dir.exists(".a.dat.new"));
}

TEST(StaleTemporaries, OnlyOurOwnAreRemoved) {
  TempDir dir;
  OldPair(dir);
  dir.write(".a.dat.x7Gq2Z", Bytes{1});
  dir.write(".b.dat.000000", Bytes{1});
  dir.write(".a.dat.notes", Bytes{1});   // not a temporary's name
  dir.write(".c.dat.x7Gq2Z", Bytes{1});  // not one of ours
  std::filesystem::create_directory(dir / ".a.dat.Folder");
  EXPECT_EQ(RemoveStaleTemporaries(dir.path(), kNames), 2);
  EXPECT_EQ(Entries(dir), (std::vector<std::string>{".a.dat.Folder", ".a.dat.notes",
                                                    ".c.dat.x7Gq2Z", "a.dat", "b.dat"}));
  EXPECT_TRUE(IsTemporaryOf(".userpref.dat.AbC123", "userpref.dat"));
  EXPECT_FALSE(IsTemporaryOf(".userpref.dat.AbC12", "userpref.dat"));
  EXPECT_FALSE(IsTemporaryOf("userpref.dat.AbC123x", "userpref.dat"));
}

}  // namespace
}  // namespace meridex
