#include "worldtime/city_files.h"

#include <optional>

#include "common/errors.h"
#include "common/text.h"

namespace meridex {

namespace {

constexpr std::size_t kRuleOffsetInCityRecord = 85;
constexpr std::size_t kRuleOffsetInCustomRecord = 32;

DaylightSavingRule ReadRule(std::span<const std::uint8_t> r, std::size_t at) {
  return DaylightSavingRule{r[at],     r[at + 1], r[at + 2], r[at + 3],
                            r[at + 4], r[at + 5], r[at + 6], r[at + 7]};
}

void WriteRule(std::span<std::uint8_t> r, std::size_t at, const DaylightSavingRule& rule) {
  const std::uint8_t bytes[8] = {rule.EndHour,    rule.EndSundayFlag, rule.EndMonth,
                                 rule.EndDay,     rule.StartHour,     rule.StartWeekDay,
                                 rule.StartMonth, rule.StartDay};
  for (std::size_t i = 0; i < 8; ++i) r[at + i] = bytes[i];
}

CityEntry DecodeCityRecord(std::span<const std::uint8_t> r) {
  CityEntry e;
  e.Name = ReadShortString(r, 0, kNameLength);
  e.State = ReadShortString(r, 28, kStateLength);
  e.Country = ReadShortString(r, 45, kCountryLength);
  e.Longitude = ReadShortString(r, 66, kLongitudeLength);
  e.Latitude = ReadShortString(r, 74, kLatitudeLength);
  e.BaseHourOffset = r[81];
  e.MinuteOffset = r[82];
  e.ExtraAttribute = r[83];
  e.Origin = kOriginDatabase;
  e.Rule = ReadRule(r, kRuleOffsetInCityRecord);
  return e;
}

CityEntry DecodeCustomRecord(std::span<const std::uint8_t> r) {
  CityEntry e;
  e.Name = ReadShortString(r, 0, kNameLength);
  e.BaseHourOffset = r[28];
  e.MinuteOffset = r[29];
  e.ExtraAttribute = r[30];
  e.Origin = kOriginCustom;
  e.Rule = ReadRule(r, kRuleOffsetInCustomRecord);
  return e;
}

// The record a file is positioned at, decoded on demand.
class MergeSource {
 public:
  MergeSource(RecordReader& reader, CityEntry (*decode)(std::span<const std::uint8_t>))
      : reader_(reader), decode_(decode) {
    advance();
  }
  bool has() const { return current_.has_value(); }
  const CityEntry& current() const { return *current_; }
  void advance() {
    current_.reset();
    if (!reader_.atEnd()) current_ = decode_(reader_.next());
  }

 private:
  RecordReader& reader_;
  CityEntry (*decode_)(std::span<const std::uint8_t>);
  std::optional<CityEntry> current_;
};

}  // namespace

Bytes EncodeCityRecord(const CityEntry& e) {
  Bytes r(kCityRecordSize, 0);
  WriteShortString(r, 0, kNameLength, e.Name);
  WriteShortString(r, 28, kStateLength, e.State);
  WriteShortString(r, 45, kCountryLength, e.Country);
  WriteShortString(r, 66, kLongitudeLength, e.Longitude);
  WriteShortString(r, 74, kLatitudeLength, e.Latitude);
  r[81] = e.BaseHourOffset;
  r[82] = e.MinuteOffset;
  r[83] = e.ExtraAttribute;
  r[84] = kOriginDatabase;
  WriteRule(r, kRuleOffsetInCityRecord, e.Rule);
  return r;
}

Bytes EncodeCustomRecord(const CityEntry& e) {
  Bytes r(kCustomRecordSize, 0);
  WriteShortString(r, 0, kNameLength, e.Name);
  r[28] = e.BaseHourOffset;
  r[29] = e.MinuteOffset;
  r[30] = 0;
  r[31] = kOriginCustom;
  WriteRule(r, kRuleOffsetInCustomRecord, e.Rule);
  return r;
}

std::string LoadCityTable(const std::filesystem::path& dir, CityTable& table) {
  table.clear();
  RecordReader database(dir / kCityDatabaseFile, kCityRecordSize);
  const std::filesystem::path customPath = dir / kCustomListFile;
  if (!std::filesystem::exists(customPath)) WriteFileAtomically(customPath, {});
  RecordReader custom(customPath, kCustomRecordSize);

  MergeSource db(database, DecodeCityRecord);
  MergeSource cu(custom, DecodeCustomRecord);
  // On equal names the custom record comes first.
  const auto nextIsDatabase = [&] {
    return db.has() && (!cu.has() || NameLess(db.current().Name, cu.current().Name));
  };
  while ((db.has() || cu.has()) && table.Count < kMaxCities) {
    // The slot is filled before the next record is read, so a broken record
    // leaves the entries before it in the table.
    MergeSource& source = nextIsDatabase() ? db : cu;
    table.Entries[static_cast<std::size_t>(table.Count++)] = source.current();
    source.advance();
  }
  if (!db.has() && !cu.has()) return {};

  const std::string firstLeftOut = nextIsDatabase() ? db.current().Name : cu.current().Name;
  std::string files;
  if (db.has()) files = QuotedName(dir / kCityDatabaseFile);
  if (cu.has()) files += (files.empty() ? "" : " and ") + QuotedName(customPath);
  // The user's own locations that do not fit are kept for the next writing
  // of their file.
  for (; cu.has(); cu.advance()) table.LeftOutCustom.push_back(cu.current());
  return "The city lists hold more than " + std::to_string(kMaxCities) +
         " locations; only the first " + std::to_string(kMaxCities) + " are listed. Left out of " +
         files + ": every location from \"" + TrimRight(firstLeftOut) + "\" on." +
         (table.LeftOutCustom.empty()
              ? ""
              : " Your own locations among them stay in " + QuotedName(customPath) + ".");
}

std::string LoadHotListFlags(const std::filesystem::path& dir, CityTable& table) {
  RecordReader reader(dir / kHotListFile, kHotListRecordSize);
  int slot = 0;
  do {  // the first read is always made, so an empty file is an error
    if (slot == kCitySlots) {
      return QuotedName(dir / kHotListFile) + " holds more than " + std::to_string(kCitySlots) +
             " Hot List flags; the rest are ignored.";
    }
    const auto record = reader.next();
    const std::string flag = ReadShortString(record, 0, 1);
    table.HotListFlags[static_cast<std::size_t>(slot++)] = flag.empty() ? '\0' : flag[0];
  } while (!reader.atEnd());
  return {};
}

Bytes HotListFileBytes(const CityTable& table) {
  Bytes bytes;
  for (int i = 0;; ++i) {
    const char flag = table.HotListFlags[static_cast<std::size_t>(i)];
    bytes.push_back(flag == '\0' ? 0 : 1);
    bytes.push_back(static_cast<std::uint8_t>(flag));
    // Flags beyond the table are written too: they belong to locations that
    // did not load this time (a shorter or damaged city database).
    const int next = i + 1;
    if (next >= kCitySlots || table.HotListFlags[static_cast<std::size_t>(next)] == '\0') break;
  }
  return bytes;
}

Bytes CustomListFileBytes(const CityTable& table) {
  std::vector<const CityEntry*> shown;
  for (int i = 0; i < table.Count; ++i) {
    const CityEntry& e = table.Entries[static_cast<std::size_t>(i)];
    if (e.Origin == kOriginCustom) shown.push_back(&e);
  }
  // Both are in name order; the ones left out join in theirs.
  std::vector<const CityEntry*> all;
  auto left = table.LeftOutCustom.begin();
  for (const CityEntry* e : shown) {
    for (; left != table.LeftOutCustom.end() && NameLess(left->Name, e->Name); ++left) {
      all.push_back(&*left);
    }
    all.push_back(e);
  }
  for (; left != table.LeftOutCustom.end(); ++left) all.push_back(&*left);

  Bytes bytes;
  for (const CityEntry* e : all) {
    const Bytes record = EncodeCustomRecord(*e);
    bytes.insert(bytes.end(), record.begin(), record.end());
  }
  return bytes;
}

void SaveHotListFlags(const std::filesystem::path& dir, const CityTable& table) {
  WriteFileAtomically(dir / kHotListFile, HotListFileBytes(table));
}

void SaveCustomLocations(const std::filesystem::path& dir, const CityTable& table) {
  WriteFileAtomically(dir / kCustomListFile, CustomListFileBytes(table));
}

void SaveCityLists(const std::filesystem::path& dir, const CityTable& table) {
  const Bytes custom = CustomListFileBytes(table);
  const Bytes flags = HotListFileBytes(table);
  const NewContent files[] = {{kCustomListFile, custom}, {kHotListFile, flags}};
  CommitFileGroup(dir, kCityListsJournal, files);
}

bool RecoverCityLists(const std::filesystem::path& dir) {
  const std::string names[] = {kCustomListFile, kHotListFile};
  return RecoverFileGroup(dir, kCityListsJournal, names);
}

}  // namespace meridex
