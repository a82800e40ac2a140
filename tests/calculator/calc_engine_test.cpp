#include "calculator/calc_engine.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

namespace meridex {
namespace {

// Presses the buttons named in `keys`, separated by blanks: digits, "." for
// the decimal key, + - * / = % and the captions Back CE C 1/x +/- Sqrt MC MR
// MS M+ M-. Returns how many presses were refused.
int Type(TCalcEngine& engine, const std::string& keys) {
  static const std::map<std::string, int> named{
      {"Back", cbBack},    {"CE", cbClearEntry},    {"C", cbClear},         {"+", cbAdd},
      {"-", cbSubtract},   {"*", cbMultiply},       {"/", cbDivide},        {".", cbDecimal},
      {"=", cbEquals},     {"1/x", cbReciprocal},   {"+/-", cbChangeSign},  {"%", cbPercent},
      {"Sqrt", cbSqrt},    {"MC", cbMemoryClear},   {"MR", cbMemoryRecall}, {"MS", cbMemoryStore},
      {"M+", cbMemoryAdd}, {"M-", cbMemorySubtract}};
  std::istringstream in(keys);
  std::string key;
  int refused = 0;
  while (in >> key) {
    int code = 0;
    if (key.size() == 1 && key[0] >= '0' && key[0] <= '9') {
      code = cbDigit0 + (key[0] - '0');
    } else {
      code = named.at(key);
    }
    if (!engine.Press(code)) ++refused;
  }
  return refused;
}

struct KeysRow {
  const char* name;
  const char* keys;
  const char* display;
};

void PrintTo(const KeysRow& row, std::ostream* os) { *os << row.name; }

class CalcKeys : public ::testing::TestWithParam<KeysRow> {};

TEST_P(CalcKeys, ShowsTheExpectedDisplay) {
  TCalcEngine engine;
  Type(engine, GetParam().keys);
  EXPECT_EQ(engine.DisplayText(), GetParam().display);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, CalcKeys,
    ::testing::Values(
        KeysRow{"StartsAtZero", "", "0 "},
        KeysRow{"LeftToRightWithoutPrecedence", "2 + 3 * 4 =", "20 "},
        KeysRow{"OperationShowsTheRunningResult", "2 + 3 *", "5 "},
        KeysRow{"SignChangeThenMoreDigits", "1 2 +/- 3", "-123 "},
        KeysRow{"DecimalKeyReadsTheTextWithoutSign", "1 2 +/- .", "12. "},
        KeysRow{"SquareRootKeepsTheTypedText", "9 Sqrt", "3 "},
        KeysRow{"DigitAfterSquareRootContinuesTheText", "9 Sqrt 5", "95 "},
        KeysRow{"LeadingZerosDoNotPileUp", "0 0 0", "0 "},
        KeysRow{"ZerosAfterTheSeparatorStay", "0 . 0 0", "0.00 "},
        KeysRow{"BackDropsTheLastDigit", "1 2 3 Back", "12 "},
        KeysRow{"BackOnOneCharacterShowsZero", "7 Back", "0 "},
        KeysRow{"BackDropsTheSeparator", "4 . Back 2", "42 "},
        KeysRow{"DigitAfterEqualsStartsAgain", "5 = 7", "7 "},
        KeysRow{"DigitAfterEqualsForgetsTheResult", "5 = 7 + 1 =", "8 "},
        KeysRow{"OperationAfterEqualsContinues", "5 = + 1 =", "6 "},
        KeysRow{"EqualsAgainRepeatsNothing", "2 + 3 = =", "5 "},
        KeysRow{"PercentOfTheAccumulatorForAddition", "2 0 0 + 1 0 %", "220 "},
        KeysRow{"PercentOfTheAccumulatorForSubtraction", "2 0 0 - 1 0 %", "180 "},
        KeysRow{"PercentForMultiplication", "5 0 * 1 0 %", "5 "},
        KeysRow{"PercentAlone", "1 0 %", "0.1 "},
        KeysRow{"LargeResultInExponentForm",
                "1 0 0 0 0 0 0 0 0 0 * 1 0 0 0 0 0 0 0 0 0 0 0 =", "1E20 "},
        KeysRow{"SmallResultInExponentForm", "1 / 1 0 0 0 0 0 =", "1E-5 "},
        KeysRow{"SmallestFixedForm", "1 / 1 0 0 0 0 =", "0.0001 "},
        KeysRow{"FifteenDigitsInFixedForm", "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 =", "123456789012345 "},
        KeysRow{"SixteenDigitsInExponentForm",
                "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 =", "1.23456789012346E15 "},
        KeysRow{"ThirdRoundsToFifteenDigits", "1 / 3 =", "0.333333333333333 "},
        KeysRow{"DivisionByZeroIsAnError", "7 / 0 =", "****** "},
        KeysRow{"ErrorRefusesDigits", "7 / 0 = 5", "****** "},
        KeysRow{"ClearLeavesTheError", "7 / 0 = 5 C", "0 "},
        KeysRow{"ReciprocalOfZeroIsAnError", "0 1/x", "****** "},
        KeysRow{"RootOfANegativeIsAnError", "4 +/- Sqrt", "****** "},
        KeysRow{"Reciprocal", "8 1/x", "0.125 "},
        KeysRow{"ClearEntryKeepsTheOperation", "8 + 5 CE 2 =", "10 "},
        KeysRow{"MemoryRecall", "4 2 MS C MR", "42 "},
        KeysRow{"MemoryRecallThenOperation", "4 2 MS C 1 + MR =", "43 "},
        KeysRow{"MemoryAddAndSubtract", "5 MS 3 M+ 1 M- MR", "7 "},
        KeysRow{"NegativeRecallKeepsTheSignOfTheNextNumber", "5 +/- MS C MR 3", "-3 "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalcEngine, ErrorStateRefusesEveryButtonButClear) {
  int beeps = 0;
  TCalcEngine engine([&beeps] { ++beeps; });
  EXPECT_EQ(Type(engine, "7 / 0 ="), 0);
  EXPECT_EQ(beeps, 1);
  EXPECT_TRUE(engine.InError());
  EXPECT_EQ(engine.StateFlags(), TCalcEngine::sfError);
  // The accumulator keeps the value from before the fault.
  EXPECT_EQ(engine.Accumulator(), 7.0L);
  EXPECT_EQ(Type(engine, "5 + MR MS ="), 5);
  EXPECT_EQ(beeps, 6);
  EXPECT_EQ(engine.Memory(), 0.0L);
  EXPECT_EQ(engine.LastButton(), cbEquals);  // the refused presses left no trace
  EXPECT_TRUE(engine.Press(cbClear));
  EXPECT_EQ(engine.DisplayText(), "0 ");
  EXPECT_EQ(engine.StateFlags(), TCalcEngine::sfOperandReady | TCalcEngine::sfNewEntry);
  EXPECT_EQ(beeps, 6);
}

TEST(CalcEngine, OverflowAndUnreadableEntriesAreErrors) {
  TCalcEngine engine;
  ASSERT_TRUE(engine.EnterNumber("1E4932"));
  Type(engine, "MS * MR =");
  EXPECT_EQ(engine.DisplayText(), "****** ");

  Type(engine, "C");
  Type(engine, "MR M+");
  EXPECT_EQ(engine.DisplayText(), "****** ");
  EXPECT_EQ(engine.Memory(), 0.0L);  // a faulty memory sum empties the memory

  // An entry of more digits than the extended range holds does not read.
  TCalcEngine longEntry;
  longEntry.SetText(std::string(5000, '9'));
  EXPECT_EQ(longEntry.DisplayText(), "****** ");
}

TEST(CalcEngine, SignAndDecimalKeysKeepTheTypedText) {
  TCalcEngine engine;
  Type(engine, "1 2 +/- 3");
  EXPECT_EQ(engine.EntryValue(), -123.0L);
  EXPECT_EQ(engine.EntryText(), "123");
  Type(engine, "C 1 2 +/- .");
  EXPECT_EQ(engine.EntryValue(), 12.0L);
  Type(engine, "C 2 + .");
  EXPECT_EQ(engine.EntryText(), "0.");  // after an operation the "0" is continued
  EXPECT_EQ(engine.DisplayText(), "0. ");
  Type(engine, "5 =");
  EXPECT_EQ(engine.DisplayText(), "2.5 ");
  EXPECT_EQ(engine.PendingOperation(), cbEquals);
  EXPECT_EQ(engine.StateFlags(), TCalcEngine::sfOperandReady);
}

TEST(CalcEngine, MemoryStoreSetsNewEntry) {
  TCalcEngine engine;
  Type(engine, "4 2 MS");
  EXPECT_EQ(engine.Memory(), 42.0L);
  Type(engine, "7");
  EXPECT_EQ(engine.DisplayText(), "7 ");
  Type(engine, "MC");
  EXPECT_EQ(engine.Memory(), 0.0L);
  Type(engine, "MR");
  EXPECT_EQ(engine.DisplayText(), "0 ");
}

TEST(CalcEngine, PasteClearsAndTypesTheAcceptedCharacters) {
  TCalcEngine engine;
  Type(engine, "9 MS 5 +");
  engine.Paste("1,234.50");
  EXPECT_EQ(engine.DisplayText(), "1234.50 ");
  EXPECT_EQ(engine.Memory(), 9.0L);  // memory survives a paste

  engine.Paste("-12.5");
  EXPECT_EQ(engine.PendingOperation(), cbSubtract);
  Type(engine, "=");
  EXPECT_EQ(engine.DisplayText(), "-12.5 ");

  engine.Paste("");
  EXPECT_EQ(engine.DisplayText(), "-12.5 ");
  engine.Paste("abc");
  EXPECT_EQ(engine.DisplayText(), "0 ");
  // Letters are skipped by a paste, even those that are keys.
  engine.Paste("1E15");
  EXPECT_EQ(engine.DisplayText(), "115 ");
  engine.Paste("6*7=");
  EXPECT_EQ(engine.DisplayText(), "42 ");
}

TEST(CalcEngine, SetTextTypesEveryMappedCharacter) {
  TCalcEngine engine;
  engine.SetText("12r");
  EXPECT_EQ(engine.DisplayText(), "0.0833333333333333 ");
  engine.SetText("16@");
  EXPECT_EQ(engine.DisplayText(), "4 ");
  engine.SetText(
      "5\x0c"
      "3x");  // Ctrl+L is memory clear; x maps to nothing
  EXPECT_EQ(engine.DisplayText(), "53 ");
}

TEST(CalcEngine, EnterNumberTakesTheWholeValue) {
  TCalcEngine engine;
  EXPECT_TRUE(engine.EnterNumber("1E15"));
  EXPECT_EQ(engine.EntryValue(), 1E15L);
  EXPECT_EQ(engine.DisplayText(), "1E15 ");
  Type(engine, "=");
  EXPECT_EQ(engine.Accumulator(), 1E15L);

  EXPECT_TRUE(engine.EnterNumber("1,234.5000000000"));
  EXPECT_EQ(engine.EntryValue(), 1234.5L);
  EXPECT_TRUE(engine.EnterNumber("-4.000E+01"));
  Type(engine, "* 2 =");
  EXPECT_EQ(engine.DisplayText(), "-80 ");

  Type(engine, "MS 3");  // the entry was -80, so the 3 takes its sign
  EXPECT_FALSE(engine.EnterNumber("12 + 3"));
  EXPECT_FALSE(engine.EnterNumber(""));
  EXPECT_EQ(engine.DisplayText(), "-3 ");
  EXPECT_EQ(engine.Memory(), -80.0L);

  TCalcEngine german;
  german.setDecimalSeparator(",");
  german.setGroupSeparator(".");
  EXPECT_TRUE(german.EnterNumber("1.234,5000000000"));
  EXPECT_EQ(german.DisplayText(), "1234,5 ");
  // Typed key by key, the same text loses its value.
  german.Paste("1.234,5000000000");
  EXPECT_EQ(german.DisplayText(), "1,2345000000000 ");
}

TEST(CalcEngine, MapsCharactersToButtons) {
  TCalcEngine engine;
  engine.setDecimalSeparator(",");
  const std::map<std::string, int> expected{{"\b", cbBack},
                                            {"\x1b", cbClear},
                                            {"+", cbAdd},
                                            {"-", cbSubtract},
                                            {"*", cbMultiply},
                                            {"/", cbDivide},
                                            {"0", cbDigit0},
                                            {"9", cbDigit9},
                                            {".", cbDecimal},
                                            {",", cbDecimal},
                                            {"=", cbEquals},
                                            {"r", cbReciprocal},
                                            {"%", cbPercent},
                                            {"@", cbSqrt},
                                            {"\x0c", cbMemoryClear},
                                            {"\x12", cbMemoryRecall},
                                            {"\x10", cbMemoryAdd},
                                            {"\x13", cbMemorySubtract},
                                            {"R", 0},
                                            {"\r", 0},
                                            {"a", 0},
                                            {"", 0}};
  for (const auto& [character, code] : expected) {
    EXPECT_EQ(engine.ButtonForCharacter(character), code) << character;
  }
}

TEST(CalcEngine, HandlesAMultiByteDecimalSeparator) {
  TCalcEngine engine;
  engine.setDecimalSeparator("\u066b");
  engine.SetText("1.5");
  EXPECT_EQ(engine.DisplayText(), "1\u066b5 ");
  EXPECT_EQ(engine.EntryValue(), 1.5L);
  Type(engine, "Back Back 7");
  EXPECT_EQ(engine.DisplayText(), "17 ");
  engine.Paste("2\u066b25");
  EXPECT_EQ(engine.EntryValue(), 2.25L);
}

}  // namespace
}  // namespace meridex
