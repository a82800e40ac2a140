#include "common/number_format.h"

#include <gtest/gtest.h>

#include <limits>

#include "common/errors.h"

namespace meridex {
namespace {

using enum FloatStyle;

const NumberSeparators kEnglish{".", ","};
const NumberSeparators kGerman{",", "."};
const NumberSeparators kFrench{",", "\u202f"};

struct FormatRow {
  const char* name;
  long double value;
  FloatStyle style;
  int precision;
  int decimals;
  NumberSeparators separators;
  const char* expected;
};

void PrintTo(const FormatRow& row, std::ostream* os) { *os << row.name; }

class FormatFloatTest : public ::testing::TestWithParam<FormatRow> {};

TEST_P(FormatFloatTest, WritesTheExpectedText) {
  const FormatRow& row = GetParam();
  EXPECT_EQ(FormatFloat(row.value, row.style, row.precision, row.decimals, row.separators),
            row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FormatFloatTest,
    ::testing::Values(
        FormatRow{"GroupedFillsDecimals", 1234.5L, fsGrouped, 8, 5, kEnglish, "1,234.50000"},
        FormatRow{"GroupedRoundsToPrecisionFirst", 1609.344L, fsGrouped, 8, 5, kEnglish,
                  "1,609.34400"},
        FormatRow{"GroupedRoundsToDecimals", 1.6093440L, fsGrouped, 8, 5, kEnglish, "1.60934"},
        FormatRow{"GroupedSmallValue", 0.00125L, fsGrouped, 8, 5, kEnglish, "0.00125"},
        FormatRow{"GroupedMillions", 10000000.0L, fsGrouped, 8, 5, kEnglish, "10,000,000.00000"},
        FormatRow{"GroupedNegative", -1234567.25L, fsGrouped, 9, 2, kEnglish, "-1,234,567.25"},
        FormatRow{"GroupedZeroAtPrecisionFour", 0.0L, fsGrouped, 4, 2, kEnglish, "0.00"},
        FormatRow{"GroupedNoDecimals", 2.0L, fsGrouped, 8, 0, kEnglish, "2"},
        FormatRow{"GroupedTieAwayFromZero", 2.5L, fsGrouped, 8, 0, kEnglish, "3"},
        FormatRow{"GroupedNegativeTieAwayFromZero", -2.5L, fsGrouped, 8, 0, kEnglish, "-3"},
        FormatRow{"GroupedBinaryValueBelowTie", 2.675L, fsGrouped, 18, 2, kEnglish, "2.67"},
        FormatRow{"GroupedRoundedToZeroHasNoSign", -0.0001L, fsGrouped, 4, 3, kEnglish, "0.000"},
        FormatRow{"GroupedCarryAddsDigit", 999.9996L, fsGrouped, 8, 3, kEnglish, "1,000.000"},
        FormatRow{"GroupedTooManyDigitsFallsBack", 12345678.9L, fsGrouped, 4, 5, kEnglish,
                  "1.235E7"},
        FormatRow{"GroupedCarryFallsBack", 9999.7L, fsGrouped, 4, 5, kEnglish, "1E4"},
        FormatRow{"GroupedForTheCalculator", 1234.5L, fsGrouped, 13, 10, kEnglish,
                  "1,234.5000000000"},
        FormatRow{"GroupedGerman", 1234567.891L, fsGrouped, 10, 2, kGerman, "1.234.567,89"},
        FormatRow{"GroupedMultiByteSeparator", 1234567.5L, fsGrouped, 10, 1, kFrench,
                  "1\u202f234\u202f567,5"},
        FormatRow{"GroupedWithoutSeparator", 1234567.5L, fsGrouped, 10, 1,
                  NumberSeparators{".", ""}, "1234567.5"},
        FormatRow{"ExponentTwoDigits", 12345678.9L, fsExponent, 4, 2, kEnglish, "1.235E+07"},
        FormatRow{"ExponentNoMinimumFromFourDecimals", 12345678.9L, fsExponent, 4, 5, kEnglish,
                  "1.235E+7"},
        FormatRow{"ExponentNegative", -40.0L, fsExponent, 4, 2, kEnglish, "-4.000E+01"},
        FormatRow{"ExponentNegativeExponent", 0.00003527L, fsExponent, 4, 5, kEnglish, "3.527E-5"},
        FormatRow{"ExponentThreeDigits", 1E7L, fsExponent, 4, 3, kEnglish, "1.000E+007"},
        FormatRow{"ExponentGerman", 12345678.9L, fsExponent, 4, 5, kGerman, "1,235E+7"},
        FormatRow{"ExponentCarry", 99999.0L, fsExponent, 4, 5, kEnglish, "1.000E+5"},
        FormatRow{"GeneralExponent", 32810000.0L, fsGeneral, 4, 0, kEnglish, "3.281E7"},
        FormatRow{"GeneralLarge", 1E20L, fsGeneral, 15, 0, kEnglish, "1E20"},
        FormatRow{"GeneralSmall", 0.00001L, fsGeneral, 15, 0, kEnglish, "1E-5"},
        FormatRow{"GeneralSmallestFixed", 0.0001L, fsGeneral, 15, 0, kEnglish, "0.0001"},
        FormatRow{"GeneralLargestFixed", 123456789012345.0L, fsGeneral, 15, 0, kEnglish,
                  "123456789012345"},
        FormatRow{"GeneralPowerOfPrecision", 1E15L, fsGeneral, 15, 0, kEnglish, "1E15"},
        FormatRow{"GeneralDropsTrailingZeros", 37.0L, fsGeneral, 15, 0, kEnglish, "37"},
        FormatRow{"GeneralNegative", -12.5L, fsGeneral, 15, 0, kGerman, "-12,5"},
        FormatRow{"GeneralZero", 0.0L, fsGeneral, 15, 0, kEnglish, "0"},
        FormatRow{"GeneralNegativeZero", -0.0L, fsGeneral, 15, 0, kEnglish, "0"},
        FormatRow{"GeneralBinaryValueBelowTie", 1.15L, fsGeneral, 2, 0, kEnglish, "1.1"},
        FormatRow{"GeneralTie", 0.125L, fsGeneral, 2, 0, kEnglish, "0.13"},
        FormatRow{"GeneralFifteenDigits", 0.1L, fsGeneral, 15, 0, kEnglish, "0.1"},
        FormatRow{"GeneralEighteenDigits", 0.1L, fsGeneral, 18, 0, kEnglish, "0.1"},
        FormatRow{"GeneralHugeExtended", 1E4000L, fsGeneral, 15, 0, kEnglish, "1E4000"},
        FormatRow{"GeneralTinyExtended", 1E-4000L, fsGeneral, 15, 0, kEnglish, "1E-4000"},
        FormatRow{"PrecisionBelowTwoIsTwo", 1234.5L, fsGeneral, 1, 0, kEnglish, "1.2E3"},
        FormatRow{"PrecisionAboveEighteenIsEighteen", 2.0L / 3.0L, fsGeneral, 30, 0, kEnglish,
                  "0.666666666666666667"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatFloat, RejectsInfinityAndNaN) {
  EXPECT_THROW(
      FormatFloat(std::numeric_limits<long double>::infinity(), fsGeneral, 15, 0, kEnglish),
      ConversionError);
  EXPECT_THROW(
      FormatFloat(std::numeric_limits<long double>::quiet_NaN(), fsGrouped, 8, 2, kEnglish),
      ConversionError);
}

TEST(FltOrExp, ChoosesGroupedBetweenTheThresholds) {
  const auto check = [](long double value, FloatStyle style, int precision) {
    const FormatChoice choice = FltOrExp(value);
    EXPECT_EQ(choice.style, style) << static_cast<double>(value);
    EXPECT_EQ(choice.precision, precision) << static_cast<double>(value);
  };
  check(0.0L, fsGrouped, 4);
  check(0.001L, fsGrouped, 8);
  check(10000000.0L, fsGrouped, 8);
  check(1.0L, fsGrouped, 8);
  check(0x1.0624dd2f1ap-10L, fsExponent, 4);  // 0.001 as a 6-byte real lies below
  check(10000000.5L, fsExponent, 4);
  check(-0.5L, fsExponent, 4);
  check(-5000.0L, fsExponent, 4);
}

TEST(RemoveGrouping, DropsEverySeparator) {
  EXPECT_EQ(RemoveGrouping("1,234,567.5", ","), "1234567.5");
  EXPECT_EQ(RemoveGrouping(",,1,", ","), "1");
  EXPECT_EQ(RemoveGrouping("1.234,5", "."), "1234,5");
  EXPECT_EQ(RemoveGrouping("1\u202f234,5", "\u202f"), "1234,5");
  EXPECT_EQ(RemoveGrouping("1,234", ""), "1,234");
}

struct ParseRow {
  const char* name;
  const char* text;
  const char* separator;
  long double expected;
};

void PrintTo(const ParseRow& row, std::ostream* os) { *os << row.name; }

class ParseFloatTest : public ::testing::TestWithParam<ParseRow> {};

TEST_P(ParseFloatTest, Reads) {
  EXPECT_EQ(ParseFloat(GetParam().text, GetParam().separator), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Numbers, ParseFloatTest,
                         ::testing::Values(ParseRow{"Plain", "212", ".", 212.0L},
                                           ParseRow{"Blanks", "  12.5  ", ".", 12.5L},
                                           ParseRow{"Signs", "-1e3", ".", -1000.0L},
                                           ParseRow{"PlusSign", "+.5", ".", 0.5L},
                                           ParseRow{"LoneSeparator", ".", ".", 0.0L},
                                           ParseRow{"TrailingSeparator", "5.", ".", 5.0L},
                                           ParseRow{"ExponentSign", "1E+05", ".", 100000.0L},
                                           ParseRow{"SeparatorBeforeExponent", ".E5", ".", 0.0L},
                                           ParseRow{"GermanSeparator", "1234,5", ",", 1234.5L},
                                           ParseRow{"ExtendedPrecision", "0.1", ".", 0.1L},
                                           ParseRow{"Underflow", "1E-5000", ".", 0.0L},
                                           ParseRow{"LargeButInRange", "1E4000", ".", 1E4000L}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ParseFloat, RejectsAnythingElseNamingTheText) {
  for (const char* bad : {"", " ", "abc", "1.2.3", "1E", "E5", "1 2", "\t1", "1,5", "--1", "1e5000",
                          "0x10", "inf", "nan", "-", "1e+", "12a"}) {
    try {
      ParseFloat(bad, ".");
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const ConversionError& e) {
      EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid floating point value");
    }
  }
  long double value = 7;
  EXPECT_FALSE(TryParseFloat("1.5", ",", value));
  EXPECT_EQ(value, 7.0L);
}

}  // namespace
}  // namespace meridex
