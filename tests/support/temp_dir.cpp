#include "support/temp_dir.h"

#include <stdlib.h>

#include <stdexcept>

#include "common/record_io.h"

namespace meridex::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "meridex-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void TempDir::write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
  WriteFileAtomically(path_ / name, bytes);
}

std::vector<std::uint8_t> TempDir::read(const std::string& name) const {
  return ReadWholeFile(path_ / name);
}

bool TempDir::exists(const std::string& name) const {
  return std::filesystem::exists(path_ / name);
}

}  // namespace meridex::test
