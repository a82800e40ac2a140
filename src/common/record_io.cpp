#include "common/record_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/errors.h"

namespace meridex {

namespace {

std::string Reason(int error) { return std::strerror(error); }

[[noreturn]] void ThrowWriteError(const std::filesystem::path& file, int error) {
  throw IoError("Cannot write " + QuotedName(file) + ": " + Reason(error));
}

}  // namespace

std::string QuotedName(const std::filesystem::path& file) {
  return "\"" + file.filename().string() + "\"";
}

Bytes ReadWholeFile(const std::filesystem::path& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw IoError("Cannot open " + QuotedName(file) + ": " + Reason(errno));
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

void WriteFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
  const std::filesystem::path dir = file.has_parent_path() ? file.parent_path() : ".";
  std::string pattern = (dir / ("." + file.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (fd < 0) ThrowWriteError(file, errno);
  auto fail = [&](int error) {
    ::close(fd);
    ::unlink(pattern.c_str());
    ThrowWriteError(file, error);
  };
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      fail(errno);
    }
    done += static_cast<std::size_t>(n);
  }
  // Temporary files are created 0600; give the new file the usual permissions.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  if (::fchmod(fd, 0666 & ~mask) != 0) fail(errno);
  if (::fsync(fd) != 0) fail(errno);
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(pattern.c_str());
    ThrowWriteError(file, error);
  }
  if (std::rename(pattern.c_str(), file.c_str()) != 0) {
    const int error = errno;
    ::unlink(pattern.c_str());
    ThrowWriteError(file, error);
  }
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
