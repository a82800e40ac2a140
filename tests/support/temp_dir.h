#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace meridex::test {

// A fresh directory, removed with everything in it at the end of the test.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  void write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
  std::vector<std::uint8_t> read(const std::string& name) const;
  bool exists(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

}  // namespace meridex::test
