#include "city_sources.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace meridex::citydb {
namespace {

using Rows = std::vector<std::vector<std::string>>;

TEST(ParseCsv, QuotedFieldsKeepCommasQuotesAndEmptyFields) {
  const Rows rows = ParseCsv("a,\"San Jose, CA\",\"say \"\"hi\"\"\",\r\n,,x\nlast", "t.csv");
  EXPECT_EQ(rows, (Rows{{"a", "San Jose, CA", "say \"hi\"", ""}, {"", "", "x"}, {"last"}}));
}

TEST(ParseCsv, AFinalNewlineAddsNoEmptyRow) {
  EXPECT_EQ(ParseCsv("a,b\n", "t.csv"), (Rows{{"a", "b"}}));
  EXPECT_TRUE(ParseCsv("", "t.csv").empty());
}

TEST(ParseCsv, BadQuotingNamesTheFileAndLine) {
  try {
    ParseCsv("a,b\nc,\"open\nd\n", "cities.csv");
    FAIL() << "an unterminated quote was accepted";
  } catch (const AppError& e) {
    EXPECT_STREQ(e.what(), "cities.csv:2: a quoted field is not closed");
  }
  EXPECT_THROW(ParseCsv("a,b\"c\n", "t.csv"), AppError);
  EXPECT_THROW(ParseCsv("\"a\"b,c\n", "t.csv"), AppError);
}

constexpr const char* kHeader = "name,state,country,lat,lon,iana_zone,population,source\n";

TEST(ReadCitySources, ReadsRowsWithTheirLines) {
  const auto sources = ReadCitySources(
      std::string(kHeader) +
          "\"San Jose, CA\",California,United States,37.3394,-121.8950,America/Los_Angeles,1,ne\n"
          "Apia,,Samoa,-13.8333,-171.7667,Pacific/Apia,40407,ne+gn\n",
      "t.csv");
  ASSERT_EQ(sources.size(), 2u);
  EXPECT_EQ(sources[0].Name, "San Jose, CA");
  EXPECT_EQ(sources[0].State, "California");
  EXPECT_DOUBLE_EQ(sources[0].Latitude, 37.3394);
  EXPECT_DOUBLE_EQ(sources[0].Longitude, -121.8950);
  EXPECT_EQ(sources[0].Zone, "America/Los_Angeles");
  EXPECT_EQ(sources[0].Line, 2);
  EXPECT_EQ(sources[1].State, "");
  EXPECT_EQ(sources[1].Line, 3);
}

TEST(ReadCitySources, RejectsBadRowsWithTheLine) {
  const auto message = [](const std::string& text) {
    try {
      ReadCitySources(text, "t.csv");
    } catch (const AppError& e) {
      return std::string(e.what());
    }
    return std::string("accepted");
  };
  EXPECT_EQ(
      message("name,lat\n"),
      "t.csv:1: the first line must be \"name,state,country,lat,lon,iana_zone,population,source\"");
  EXPECT_EQ(message(std::string(kHeader) + "A,,C,1,2,Z/Z,0\n"),
            "t.csv:2: expected 8 fields, found 7");
  EXPECT_EQ(message(std::string(kHeader) + "A,,C,91,2,Z/Z,0,s\n"),
            "t.csv:2: latitude \"91\" is not a number of degrees within +-90");
  EXPECT_EQ(message(std::string(kHeader) + "A,,C,1,2x,Z/Z,0,s\n"),
            "t.csv:2: longitude \"2x\" is not a number of degrees within +-180");
  EXPECT_EQ(message(std::string(kHeader) + "A,,C,1,2,,0,s\n"), "t.csv:2: \"A\" has no time zone");
  EXPECT_EQ(message(std::string(kHeader) + ",,C,1,2,Z/Z,0,s\n"),
            "t.csv:2: the location has no name");
}

}  // namespace
}  // namespace meridex::citydb
