#include "app/installation.h"

#include <system_error>

#include "common/errors.h"
#include "common/record_io.h"
#include "common/user_preferences.h"

namespace meridex {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void ThrowSetUpError(const fs::path& where, const std::error_code& error) {
  throw IoError("Cannot set up " + QuotedName(where) + ": " + error.message());
}

void MakeFolder(const fs::path& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error || !fs::is_directory(folder)) {
    ThrowSetUpError(folder, error ? error : std::make_error_code(std::errc::not_a_directory));
  }
}

}  // namespace

std::optional<Installation> FindInstallation(const fs::path& executable,
                                             const fs::path& dataFromBin,
                                             const fs::path& docFromBin) {
  const fs::path bin = executable.parent_path();
  std::error_code error;
  const fs::path data = fs::weakly_canonical(bin / dataFromBin, error);
  if (error || !fs::is_regular_file(data / kPreferencesFile, error)) return std::nullopt;
  return Installation{data, fs::weakly_canonical(bin / docFromBin, error)};
}

std::vector<fs::path> ProvideUserFiles(const fs::path& dataDir, const fs::path& home) {
  MakeFolder(home);
  std::vector<fs::path> copied;
  std::error_code error;
  fs::recursive_directory_iterator it(dataDir, error);
  for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
    const fs::path& source = it->path();
    const fs::path relative = source.lexically_relative(dataDir);
    const fs::path target = home / relative;
    const fs::file_status status = fs::status(source, error);
    if (error) break;
    if (fs::is_directory(status)) {
      MakeFolder(target);
    } else if (fs::is_regular_file(status) && source.extension() != ".md") {
      std::error_code absent;
      if (fs::symlink_status(target, absent).type() != fs::file_type::not_found) continue;
      WriteFileAtomically(target, ReadWholeFile(source));
      copied.push_back(relative);
    }
  }
  if (error) ThrowSetUpError(dataDir, error);
  return copied;
}

}  // namespace meridex
