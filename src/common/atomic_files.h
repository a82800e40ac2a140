#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace meridex {

using Bytes = std::vector<std::uint8_t>;

// Replaces a file's content without ever leaving it half-written: the bytes go
// to a temporary file in the same directory (".name.XXXXXX"), which is synced
// and renamed over the old one; then the directory is synced so that the
// rename itself survives a crash. The new file keeps the old one's
// permissions. A file the user made read-only is refused, not replaced.
// Throws IoError: Cannot write "name": reason.
void WriteFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);

// Throws IoError (Cannot write "name": the file is read-only) when `file`
// exists and its permissions let nobody write it, or when it exists and is
// not a regular file.
void CheckReplaceable(const std::filesystem::path& file);

// Flushes a directory's entries (new, renamed and removed files) to the disk.
// Throws IoError naming the directory.
void SyncDirectory(const std::filesystem::path& dir);

// Whether the directory entry `entry` is a temporary that WriteFileAtomically
// makes for `name` (".name." followed by six letters or digits).
bool IsTemporaryOf(std::string_view entry, std::string_view name);

// Removes the temporaries WriteFileAtomically left for `names` in `dir` when
// the program was killed during a save. Returns how many were removed;
// nothing is thrown (a folder that cannot be changed keeps them).
int RemoveStaleTemporaries(const std::filesystem::path& dir, std::span<const std::string> names);

// One file of a group and its new content.
struct NewContent {
  std::string name;  // a bare file name in the group's directory
  std::span<const std::uint8_t> bytes;
};

// Replaces several files of one directory as one change: after a crash at
// any moment, once RecoverFileGroup has run, either every file holds its new
// content or every file its old one.
//
// Each new content is written to ".name.new" and synced; then the journal
// (the file `journal`, listing the names, written with WriteFileAtomically:
// its appearance is the commit point) is put in place; then each ".name.new"
// is renamed over its file in the order given, the directory synced and the
// journal removed. Read-only files are refused before anything is written. A
// journal left by an earlier interrupted commit is finished first. Throws
// IoError naming the file; before the commit point nothing has changed, after
// it the change is completed by the next commit or the next RecoverFileGroup.
void CommitFileGroup(const std::filesystem::path& dir, std::string_view journal,
                     std::span<const NewContent> files);

// Run at start-up, before any file of the group is read: with the journal
// present, renames every remaining ".name.new" it lists over its file and
// removes the journal (returns true); without it, removes the ".name.new"
// files of `names` that a commit which never reached its journal left
// (returns false). Throws IoError when an interrupted commit cannot be
// finished.
bool RecoverFileGroup(const std::filesystem::path& dir, std::string_view journal,
                      std::span<const std::string> names);

}  // namespace meridex
