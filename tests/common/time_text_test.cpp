#include "common/time_text.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace meridex {
namespace {

TEST(FormatTime12, UsesTheTwelveHourClockWithAOrP) {
  EXPECT_EQ(FormatTime12({0, 0}), "12:00 a");
  EXPECT_EQ(FormatTime12({0, 59}), "12:59 a");
  EXPECT_EQ(FormatTime12({9, 5}), "09:05 a");
  EXPECT_EQ(FormatTime12({11, 59}), "11:59 a");
  EXPECT_EQ(FormatTime12({12, 0}), "12:00 p");
  EXPECT_EQ(FormatTime12({13, 5}), "01:05 p");
  EXPECT_EQ(FormatTime12({23, 59}), "11:59 p");
}

TEST(ParseTime12, ReadsTheTimeFieldsTexts) {
  EXPECT_EQ(ParseTime12("12:00 AM"), (TimeOfDay{0, 0}));
  EXPECT_EQ(ParseTime12("12:30 PM"), (TimeOfDay{12, 30}));
  EXPECT_EQ(ParseTime12("01:05 PM"), (TimeOfDay{13, 5}));
  EXPECT_EQ(ParseTime12("11:59 pm"), (TimeOfDay{23, 59}));
  EXPECT_EQ(ParseTime12("05:00 AM"), (TimeOfDay{5, 0}));
  EXPECT_EQ(ParseTime12(" 7:15 AM"), (TimeOfDay{7, 15}));
  EXPECT_EQ(ParseTime12("07:15:30 AM"), (TimeOfDay{7, 15}));
  EXPECT_EQ(ParseTime12("17:15"), (TimeOfDay{17, 15}));
  EXPECT_EQ(ParseTime12("0:00"), (TimeOfDay{0, 0}));
}

TEST(ParseTime12, RefusesWhatIsNotATwelveHourTime) {
  for (const char* text : {"00:30 AM", "13:00 PM", "12:60 AM", "24:00", "", "__:__ __", "ab:cd",
                           "10:00 XM", "10 AM", "10:00 AM extra"}) {
    try {
      ParseTime12(text);
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const ConversionError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' is not a valid time");
    }
  }
}

}  // namespace
}  // namespace meridex
