#include "common/record_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "common/errors.h"

namespace meridex {

namespace {

std::string Reason(int error) { return std::strerror(error); }

// What a file that is not a regular file is, for the message.
std::string KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "it is a folder, not a file";
  if (S_ISFIFO(mode)) return "it is a named pipe, not a regular file";
  if (S_ISSOCK(mode)) return "it is a socket, not a regular file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device, not a regular file";
  return "it is not a regular file";
}

}  // namespace

std::string QuotedName(const std::filesystem::path& file) {
  // A path ending in a separator names its last folder.
  const std::filesystem::path name =
      file.has_filename() ? file.filename() : file.parent_path().filename();
  return "\"" + name.string() + "\"";
}

Bytes ReadWholeFile(const std::filesystem::path& file) {
  // Without O_NONBLOCK, opening a named pipe waits for a writer that never
  // comes; the type check then refuses it.
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) throw IoError("Cannot open " + QuotedName(file) + ": " + Reason(errno));
  struct stat status {};
  const bool statted = ::fstat(fd, &status) == 0;
  if (!statted || !S_ISREG(status.st_mode)) {
    const std::string why = statted ? KindOf(status.st_mode) : Reason(errno);
    ::close(fd);
    throw IoError("Cannot open " + QuotedName(file) + ": " + why);
  }
  Bytes bytes;
  std::uint8_t buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      ::close(fd);
      throw IoError("Cannot read " + QuotedName(file) + ": " + Reason(error));
    }
    if (n == 0) break;
    bytes.insert(bytes.end(), buffer, buffer + n);
  }
  ::close(fd);
  return bytes;
}

RecordReader::RecordReader(const std::filesystem::path& file, std::size_t recordSize)
    : file_(file), recordSize_(recordSize), bytes_(ReadWholeFile(file)) {}

std::span<const std::uint8_t> RecordReader::next() {
  if (atEnd()) {
    throw IoError("Cannot read " + QuotedName(file_) + ": no record " +
                  std::to_string(recordsRead() + 1) + " (read past the end of the file)");
  }
  if (bytes_.size() - position_ < recordSize_) {
    throw IoError("Cannot read " + QuotedName(file_) + ": the file ends inside record " +
                  std::to_string(recordsRead() + 1) + " (" + std::to_string(bytes_.size()) +
                  " bytes are not a whole number of " + std::to_string(recordSize_) +
                  "-byte records)");
  }
  std::span<const std::uint8_t> record(bytes_.data() + position_, recordSize_);
  position_ += recordSize_;
  return record;
}

std::string ReadShortString(std::span<const std::uint8_t> record, std::size_t offset,
                            std::size_t maxLength) {
  const std::size_t length = std::min<std::size_t>(record[offset], maxLength);
  const auto* first = reinterpret_cast<const char*>(record.data() + offset + 1);
  return std::string(first, length);
}

void WriteShortString(std::span<std::uint8_t> record, std::size_t offset, std::size_t maxLength,
                      std::string_view text) {
  const std::size_t length = std::min(text.size(), maxLength);
  record[offset] = static_cast<std::uint8_t>(length);
  std::fill_n(record.begin() + static_cast<std::ptrdiff_t>(offset) + 1, maxLength, std::uint8_t{0});
  std::copy_n(text.begin(), length, record.begin() + static_cast<std::ptrdiff_t>(offset) + 1);
}

}  // namespace meridex
