#include "globe/file_names.h"

#include <algorithm>

namespace meridex {

bool IsPathSeparator(char c) { return c == '/' || c == '\\'; }

bool HasDirectory(const std::string& name) {
  return std::any_of(name.begin(), name.end(), IsPathSeparator);
}

std::string FilePart(const std::string& name) {
  const auto at = std::find_if(name.rbegin(), name.rend(), IsPathSeparator);
  return std::string(at.base(), name.end());
}

std::string DirectoryPart(const std::string& name) {
  const auto at = std::find_if(name.rbegin(), name.rend(), IsPathSeparator);
  return std::string(name.begin(), at.base());
}

std::string WithoutExtension(const std::string& file) {
  const std::size_t dot = file.rfind('.');
  return dot == std::string::npos ? file : file.substr(0, dot);
}

std::filesystem::path NativePath(std::string name) {
  std::replace(name.begin(), name.end(), '\\', '/');
  return std::filesystem::path(name);
}

}  // namespace meridex
