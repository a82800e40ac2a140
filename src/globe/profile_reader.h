#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace meridex {

// Reads the globe's profile: sections of "key = value" lines. Sections and
// keys are matched without regard to letter case; a missing key gives the
// default.
class TProfileReader {
 public:
  virtual ~TProfileReader() = default;
  virtual std::string ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const = 0;
  // Decimal, or hexadecimal with a leading "0x"; anything else gives the default.
  std::int32_t ReadInteger(const std::string& section, const std::string& key,
                           std::int32_t defaultValue) const;
  // An integer: 0 is false, anything else true.
  bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
};

// A profile integer: optional blanks and sign, then decimal digits or "0x"
// and hexadecimal digits (up to 32 bits, taken as a signed value), then
// optional blanks. False for anything else, and for decimals beyond 32 bits.
bool ParseProfileInteger(std::string_view text, std::int32_t& value);

// A profile file, read whole when it is opened; the file is never written.
// A file that is missing or cannot be read reads as empty: every key gives
// its default. Lines are "[section]" or "key=value" with blanks around the
// key and the value ignored, a value in matching single or double quotes
// without them, and values cut at 1,023 characters. Lines starting with ";"
// and lines without "=" are ignored; a section or key that comes again is
// ignored the second time (the first counts). Backslashes are plain
// characters (no escapes).
class TProfileFile : public TProfileReader {
 public:
  static constexpr std::size_t kMaxValue = 1023;

  explicit TProfileFile(const std::filesystem::path& file);
  // The same from the text of a profile.
  static TProfileFile FromText(std::string_view text);

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const override;

 private:
  TProfileFile() = default;
  void Parse(std::string_view text);

  // Upper-case "section\nkey" -> value.
  std::map<std::string, std::string> values_;
};

}  // namespace meridex
