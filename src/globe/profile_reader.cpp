#include "globe/profile_reader.h"

#include <cctype>
#include <fstream>
#include <iterator>
#include <limits>
#include <set>

namespace meridex {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string Upper(std::string_view s) {
  std::string u(s);
  for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return u;
}

std::string Key(std::string_view section, std::string_view key) {
  return Upper(Trim(section)) + '\n' + Upper(Trim(key));
}

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

}  // namespace

bool ParseProfileInteger(std::string_view text, std::int32_t& value) {
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return false;
  std::uint64_t magnitude = 0;
  for (char c : text) {
    const int digit = DigitValue(c);
    if (digit >= base) return false;
    magnitude = magnitude * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
    if (magnitude > 0xFFFFFFFFu) return false;
  }
  std::int64_t v = 0;
  if (base == 16) {
    // Hexadecimal spells the 32 bits: 0xFFFFFFFF is -1.
    v = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
  } else {
    v = static_cast<std::int64_t>(magnitude);
  }
  if (negative) v = -v;
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
    return false;
  value = static_cast<std::int32_t>(v);
  return true;
}

std::int32_t TProfileReader::ReadInteger(const std::string& section, const std::string& key,
                                         std::int32_t defaultValue) const {
  std::int32_t value = defaultValue;
  return ParseProfileInteger(ReadString(section, key, ""), value) ? value : defaultValue;
}

bool TProfileReader::ReadBool(const std::string& section, const std::string& key,
                              bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

TProfileFile::TProfileFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return;  // a missing profile reads every default
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  Parse(text);
}

TProfileFile TProfileFile::FromText(std::string_view text) {
  TProfileFile profile;
  profile.Parse(text);
  return profile;
}

void TProfileFile::Parse(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::string section;
  bool inSection = false;  // the lines belong to a section read for the first time
  std::set<std::string> seen;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const std::size_t close = line.find(']');
      section = std::string(line.substr(1, close == std::string_view::npos ? close : close - 1));
      inSection = seen.insert(Upper(Trim(section))).second;
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!inSection || equals == std::string_view::npos) continue;
    std::string_view value = Trim(line.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
      value = value.substr(1, value.size() - 2);
    values_.try_emplace(Key(section, line.substr(0, equals)), value.substr(0, kMaxValue));
  }
}

std::string TProfileFile::ReadString(const std::string& section, const std::string& key,
                                     const std::string& defaultValue) const {
  const auto it = values_.find(Key(section, key));
  return it == values_.end() ? defaultValue : it->second;
}

}  // namespace meridex
