#include "common/atomic_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>

#include "common/errors.h"
#include "common/record_io.h"

namespace meridex {

namespace {

std::string Reason(int error) { return std::strerror(error); }

[[noreturn]] void ThrowWriteError(const std::filesystem::path& file, const std::string& why) {
  throw IoError("Cannot write " + QuotedName(file) + ": " + why);
}

std::filesystem::path DirectoryOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// The permissions new content gets: those of the file it replaces, or the
// usual ones for a new file.
mode_t ModeFor(const std::filesystem::path& file) {
  struct stat status {};
  if (::stat(file.c_str(), &status) == 0) return status.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Writes all of `bytes` to `fd`, gives the file `mode` and syncs it. Returns
// 0 or the error number.
int FillAndSync(int fd, std::span<const std::uint8_t> bytes, mode_t mode) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    done += static_cast<std::size_t>(n);
  }
  if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) return errno;
  return 0;
}

std::filesystem::path GroupTemporary(const std::filesystem::path& dir, const std::string& name) {
  return dir / ("." + name + ".new");
}

bool IsRegularFile(const std::filesystem::path& file) {
  struct stat status {};
  return ::lstat(file.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

// The files a journal names, one bare file name a line; anything else in it
// is no name of ours and is left alone.
std::vector<std::string> JournalNames(const std::filesystem::path& journal) {
  const Bytes bytes = ReadWholeFile(journal);
  std::vector<std::string> names;
  std::string line;
  for (std::size_t i = 0; i <= bytes.size(); ++i) {
    if (i < bytes.size() && bytes[i] != '\n') {
      line += static_cast<char>(bytes[i]);
      continue;
    }
    if (!line.empty() && line[0] != '.' && line.find('/') == std::string::npos) {
      names.push_back(line);
    }
    line.clear();
  }
  return names;
}

// The second half of a commit: every remaining ".name.new" of the journal's
// files over its file, in order, then the journal goes.
void FinishCommit(const std::filesystem::path& dir, const std::filesystem::path& journal) {
  for (const std::string& name : JournalNames(journal)) {
    const std::filesystem::path temporary = GroupTemporary(dir, name);
    if (!IsRegularFile(temporary)) continue;  // renamed before the interruption
    if (::rename(temporary.c_str(), (dir / name).c_str()) != 0) {
      ThrowWriteError(dir / name, Reason(errno));
    }
  }
  SyncDirectory(dir);
  if (::unlink(journal.c_str()) != 0 && errno != ENOENT) ThrowWriteError(journal, Reason(errno));
  SyncDirectory(dir);
}

}  // namespace

void CheckReplaceable(const std::filesystem::path& file) {
  struct stat status {};
  if (::stat(file.c_str(), &status) != 0) return;
  // Only a regular file is ever replaced (not a folder, a pipe or a device
  // that happens to carry the name).
  if (!S_ISREG(status.st_mode)) ThrowWriteError(file, "it is not a regular file");
  // The permission bits say it even to a user whom they do not bind (root).
  const bool noWriteBits = (status.st_mode & 0222) == 0;
  if (noWriteBits || (::access(file.c_str(), W_OK) != 0 && errno == EACCES)) {
    ThrowWriteError(file, "the file is read-only");
  }
}

void SyncDirectory(const std::filesystem::path& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) ThrowWriteError(dir, "the folder cannot be opened (" + Reason(errno) + ")");
  // Some file systems cannot sync a folder and say so; they need not.
  const bool synced = ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
  const int error = errno;
  ::close(fd);
  if (!synced) ThrowWriteError(dir, "the folder cannot be synced (" + Reason(error) + ")");
}

void WriteFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
  CheckReplaceable(file);
  const std::filesystem::path dir = DirectoryOf(file);
  std::string temporary = (dir / ("." + file.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) ThrowWriteError(file, Reason(errno));
  const auto fail = [&](int error) {
    ::unlink(temporary.c_str());
    ThrowWriteError(file, Reason(error));
  };
  if (const int error = FillAndSync(fd, bytes, ModeFor(file)); error != 0) {
    ::close(fd);
    fail(error);
  }
  if (::close(fd) != 0) fail(errno);
  if (::rename(temporary.c_str(), file.c_str()) != 0) fail(errno);
  SyncDirectory(dir);
}

bool IsTemporaryOf(std::string_view entry, std::string_view name) {
  constexpr std::size_t kSuffix = 6;  // mkostemp's XXXXXX
  if (entry.size() != name.size() + 2 + kSuffix || entry[0] != '.') return false;
  if (entry.substr(1, name.size()) != name || entry[1 + name.size()] != '.') return false;
  for (const char c : entry.substr(2 + name.size())) {
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

int RemoveStaleTemporaries(const std::filesystem::path& dir, std::span<const std::string> names) {
  int removed = 0;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
    const std::string entryName = entry.path().filename().string();
    for (const std::string& name : names) {
      if (IsTemporaryOf(entryName, name) && IsRegularFile(entry.path()) &&
          ::unlink(entry.path().c_str()) == 0) {
        ++removed;
      }
    }
  }
  return removed;
}

void CommitFileGroup(const std::filesystem::path& dir, std::string_view journal,
                     std::span<const NewContent> files) {
  const std::filesystem::path journalPath = dir / std::string(journal);
  // Its temporaries hold a complete earlier change: finish it before they are
  // overwritten.
  if (IsRegularFile(journalPath)) FinishCommit(dir, journalPath);
  for (const NewContent& f : files) CheckReplaceable(dir / f.name);

  std::vector<std::filesystem::path> written;
  const auto discard = [&] {
    for (const auto& w : written) ::unlink(w.c_str());
  };
  std::string names;
  for (const NewContent& f : files) {
    names += f.name + "\n";
    const std::filesystem::path temporary = GroupTemporary(dir, f.name);
    const int fd =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
      const int error = errno;
      discard();
      ThrowWriteError(dir / f.name, Reason(error));
    }
    written.push_back(temporary);
    int error = FillAndSync(fd, f.bytes, ModeFor(dir / f.name));
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) {
      discard();
      ThrowWriteError(dir / f.name, Reason(error));
    }
  }

  // The commit point: once the journal is there (written whole, synced, its
  // folder too) the new contents are the files' contents.
  try {
    const auto* first = reinterpret_cast<const std::uint8_t*>(names.data());
    WriteFileAtomically(journalPath, std::span<const std::uint8_t>(first, names.size()));
  } catch (const IoError&) {
    ::unlink(journalPath.c_str());
    discard();
    throw;
  }
  FinishCommit(dir, journalPath);
}

bool RecoverFileGroup(const std::filesystem::path& dir, std::string_view journal,
                      std::span<const std::string> names) {
  const std::filesystem::path journalPath = dir / std::string(journal);
  if (IsRegularFile(journalPath)) {
    FinishCommit(dir, journalPath);
    return true;
  }
  for (const std::string& name : names) {
    const std::filesystem::path temporary = GroupTemporary(dir, name);
    if (IsRegularFile(temporary)) ::unlink(temporary.c_str());
  }
  return false;
}

}  // namespace meridex
