#include "common/record_io.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "common/errors.h"
#include "support/temp_dir.h"

namespace meridex {
namespace {

using test::TempDir;

TEST(ShortStrings, AreCutToTheirRoomAndReadBackAsStored) {
  Bytes record(10, 0xAA);
  WriteShortString(record, 1, 5, "Honolulu");
  EXPECT_EQ(record, (Bytes{0xAA, 5, 'H', 'o', 'n', 'o', 'l', 0xAA, 0xAA, 0xAA}));
  EXPECT_EQ(ReadShortString(record, 1, 5), "Honol");

  WriteShortString(record, 1, 5, "ab");
  EXPECT_EQ(record, (Bytes{0xAA, 2, 'a', 'b', 0, 0, 0, 0xAA, 0xAA, 0xAA}));
  EXPECT_EQ(ReadShortString(record, 1, 5), "ab");

  // A corrupt length byte never reads beyond the field's room.
  record[1] = 200;
  EXPECT_EQ(ReadShortString(record, 1, 5), std::string("ab\0\0\0", 5));
}

TEST(RecordReader, ReadsWholeRecordsAndReportsAPartialOne) {
  TempDir dir;
  dir.write("data.dat", Bytes{1, 2, 3, 4, 5});
  RecordReader reader(dir / "data.dat", 2);
  const auto first = reader.next();
  EXPECT_EQ(Bytes(first.begin(), first.end()), (Bytes{1, 2}));
  EXPECT_EQ(reader.next().size(), 2u);
  try {
    reader.next();
    FAIL() << "the third record is partial";
  } catch (const IoError& e) {
    EXPECT_STREQ(e.what(),
                 "Cannot read \"data.dat\": the file ends inside record 3 (5 bytes are not a "
                 "whole number of 2-byte records)");
  }
}

TEST(RecordReader, MissingFileNamesTheFileAndTheReason) {
  TempDir dir;
  try {
    RecordReader reader(dir / "nothere.dat", 2);
    FAIL() << "no error";
  } catch (const IoError& e) {
    EXPECT_STREQ(e.what(), "Cannot open \"nothere.dat\": No such file or directory");
  }
}

TEST(ReadWholeFile, OnlyRegularFilesAreReadAndOthersAreRefusedAtOnce) {
  TempDir dir;
  // A named pipe: opening it for reading would wait for a writer for ever.
  ASSERT_EQ(::mkfifo((dir / "Alarm1.wav").c_str(), 0600), 0);
  try {
    ReadWholeFile(dir / "Alarm1.wav");
    FAIL() << "a named pipe was read";
  } catch (const IoError& e) {
    EXPECT_STREQ(e.what(), "Cannot open \"Alarm1.wav\": it is a named pipe, not a regular file");
  }
  std::filesystem::create_directory(dir / "kydafe.dat");
  try {
    RecordReader reader(dir / "kydafe.dat", 93);
    FAIL() << "a folder was read";
  } catch (const IoError& e) {
    EXPECT_STREQ(e.what(), "Cannot open \"kydafe.dat\": it is a folder, not a file");
  }
  // A path that ends in a separator is named by its folder, never as "".
  EXPECT_EQ(QuotedName(dir / "sounds" / ""), "\"sounds\"");
}

TEST(AtomicWrite, ReplacesTheFileAndLeavesNoTemporaryBehind) {
  TempDir dir;
  dir.write("a.dat", Bytes{1, 2, 3});
  WriteFileAtomically(dir / "a.dat", Bytes{9});
  EXPECT_EQ(dir.read("a.dat"), Bytes{9});
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 1);
}

TEST(AtomicWrite, FailureKeepsTheOldFileAndNamesIt) {
  TempDir dir;
  dir.write("keep.dat", Bytes{1, 2, 3});
  // A disk that takes no more bytes, for root too: a file size limit of
  // nothing makes every write fail (with the signal it raises ignored).
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit none = saved;
  none.rlim_cur = 0;
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &none), 0);
  try {
    WriteFileAtomically(dir / "keep.dat", Bytes{7, 8, 9, 10});
    ADD_FAILURE() << "no error";
  } catch (const IoError& e) {
    EXPECT_NE(std::string(e.what()).find("Cannot write \"keep.dat\""), std::string::npos)
        << e.what();
  }
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(dir.read("keep.dat"), (Bytes{1, 2, 3}));
}

TEST(AtomicWrite, AFailedRenameLeavesNoTemporaryBehind) {
  TempDir dir;
  std::filesystem::create_directory(dir / "taken.dat");
  std::filesystem::create_directory(dir / "taken.dat" / "inside");
  EXPECT_THROW(WriteFileAtomically(dir / "taken.dat", Bytes{7}), IoError);
  int entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    EXPECT_EQ(entry.path().filename(), "taken.dat");
    ++entries;
  }
  EXPECT_EQ(entries, 1);
}

TEST(AtomicWrite, AReadOnlyFileIsRefusedAndKeptAndOthersKeepTheirPermissions) {
  TempDir dir;
  dir.write("chklst.dat", Bytes{1, '1'});
  std::filesystem::permissions(dir / "chklst.dat", std::filesystem::perms::owner_read |
                                                       std::filesystem::perms::group_read |
                                                       std::filesystem::perms::others_read);
  try {
    WriteFileAtomically(dir / "chklst.dat", Bytes{1, '0'});
    ADD_FAILURE() << "a read-only file was replaced";
  } catch (const IoError& e) {
    EXPECT_STREQ(e.what(), "Cannot write \"chklst.dat\": the file is read-only");
  }
  EXPECT_EQ(dir.read("chklst.dat"), (Bytes{1, '1'}));

  dir.write("custlst.dat", {});
  std::filesystem::permissions(dir / "custlst.dat", std::filesystem::perms::owner_read |
                                                        std::filesystem::perms::owner_write |
                                                        std::filesystem::perms::group_read);
  WriteFileAtomically(dir / "custlst.dat", Bytes{7});
  EXPECT_EQ(std::filesystem::status(dir / "custlst.dat").permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read);
}

TEST(AtomicWrite, IntoAMissingDirectoryIsAnError) {
  TempDir dir;
  EXPECT_THROW(WriteFileAtomically(dir / "no" / "such.dat", Bytes{1}), IoError);
}

}  // namespace
}  // namespace meridex
