#pragma once

#include <filesystem>
#include <string>

namespace meridex {

// File names as profiles and layer lists write them: "\" and "/" both
// separate directories.
bool IsPathSeparator(char c);
bool HasDirectory(const std::string& name);
// The part after the last separator.
std::string FilePart(const std::string& name);
// Everything up to and including the last separator; empty without one.
std::string DirectoryPart(const std::string& name);
std::string WithoutExtension(const std::string& file);
// The name with every "\" turned into "/", for the file system.
std::filesystem::path NativePath(std::string name);

}  // namespace meridex
