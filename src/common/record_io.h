#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/atomic_files.h"

namespace meridex {

// Reads a whole file. Only regular files are read: a named pipe, a device or
// a directory is refused at once rather than waited on. Throws IoError:
// Cannot open "name": reason.
Bytes ReadWholeFile(const std::filesystem::path& file);

// Reads a file of fixed-size records (no header) front to back.
class RecordReader {
 public:
  // Reads the whole file; throws IoError when it cannot be opened.
  RecordReader(const std::filesystem::path& file, std::size_t recordSize);

  bool atEnd() const { return position_ >= bytes_.size(); }
  // The next record. Throws IoError when the file ends inside it or when
  // there is none left.
  std::span<const std::uint8_t> next();
  std::size_t recordsRead() const { return position_ / recordSize_; }

 private:
  std::filesystem::path file_;
  std::size_t recordSize_;
  Bytes bytes_;
  std::size_t position_ = 0;
};

// A length-prefixed text of at most maxLength characters occupying
// maxLength + 1 bytes at offset. A length byte above maxLength is read as
// maxLength; bytes beyond the length are not significant.
std::string ReadShortString(std::span<const std::uint8_t> record, std::size_t offset,
                            std::size_t maxLength);
// Writes text cut to maxLength characters; unused room is zeroed.
void WriteShortString(std::span<std::uint8_t> record, std::size_t offset, std::size_t maxLength,
                      std::string_view text);

// A file name as messages quote it.
std::string QuotedName(const std::filesystem::path& file);

}  // namespace meridex
