#include "convert/conversion_engine.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "common/errors.h"
#include "convert/real48.h"

namespace meridex {
namespace {

// Fields held in a map; an absent field is empty.
class FakeFields final : public ConversionFields {
 public:
  std::string text(int field) const override {
    const auto it = texts.find(field);
    return it == texts.end() ? std::string() : it->second;
  }
  void setText(int field, const std::string& text) override { texts[field] = text; }

  std::map<int, std::string> texts;
};

// Field indices by name, for readable expectations.
enum Field {
  editfah = 1,
  editcel,
  Editkel,
  Editou,
  Editpd,
  Editts,
  Editmic,
  Editmil,
  Editgm,
  Editkg,
  Edittm,
  teedit,
  taedit,
  ocedit,
  cuedit,
  quedit,
  gaedit,
  afedit,
  micledit,
  miltedit,
  cnedit,
  ltedit,
  cmedit,
  ldinedit,
  ldftedit,
  ldydedit,
  ldmledit,
  ldmcedit,
  ldmmedit,
  ldcmedit,
  ldmtedit,
  ldkmedit,
  ldf2edit,
  ldi2edit,
  arsiedit,
  arsfedit,
  arsyedit,
  araredit,
  arsmedit,
  armmedit,
  arcmedit,
  armtedit,
  arhtedit,
  arkmedit,
  Editpd2,
  Editou2
};

struct ConversionRow {
  const char* name;
  std::vector<std::pair<int, const char*>> input;  // the first field entered becomes the source
  std::vector<std::pair<int, const char*>> expected;
  NumberSeparators separators = {".", ","};
};

void PrintTo(const ConversionRow& row, std::ostream* os) { *os << row.name; }

class ConversionGolden : public ::testing::TestWithParam<ConversionRow> {};

TEST_P(ConversionGolden, FillsTheCategory) {
  const ConversionRow& row = GetParam();
  ConversionEngine engine;
  engine.setSeparators(row.separators);
  FakeFields fields;
  engine.SelectSource(row.input.front().first, fields);
  for (const auto& [field, text] : row.input) fields.setText(field, text);
  ASSERT_EQ(engine.Convert(UnitOfField(row.input.front().first).category, fields),
            ConvertOutcome::coConverted);
  for (const auto& [field, text] : row.expected) {
    EXPECT_EQ(fields.text(field), text) << UnitOfField(field).fieldName;
  }
}

// Texts worked out by hand or with an independent model of the arithmetic
// (extended products, 40-bit storing, exact decimal rounding).
INSTANTIATE_TEST_SUITE_P(
    Examples, ConversionGolden,
    ::testing::Values(
        ConversionRow{"BoilingFahrenheit",
                      {{editfah, "212"}},
                      {{editfah, "212.00"}, {editcel, "100.00"}, {Editkel, "373.16"}}},
        ConversionRow{"ZeroCelsiusTakesPrecisionFour",
                      {{editcel, "0"}},
                      {{editfah, "32.00"}, {editcel, "0.00"}, {Editkel, "273.16"}}},
        ConversionRow{"NegativeTemperaturesTakeExponentStyle",
                      {{editfah, "-40"}},
                      {{editfah, "-4.000E+01"}, {editcel, "-4.000E+01"}, {Editkel, "233.16"}}},
        ConversionRow{"KelvinUses273_16",
                      {{Editkel, "273.16"}},
                      {{editfah, "32.00"}, {editcel, "0.00"}, {Editkel, "273.16"}}},
        ConversionRow{"OneMilligram",
                      {{Editmil, "1"}},
                      {{Editou, "3.527E-5"},
                       {Editpd, "2.205E-6"},
                       {Editpd2, "0"},
                       {Editou2, "0.000"},
                       {Editts, "1.102E-9"},
                       {Editmic, "1,000.00000"},
                       {Editmil, "1.00000"},
                       {Editgm, "1.000E-3"},
                       {Editkg, "1.000E-6"},
                       {Edittm, "1.000E-9"}}},
        ConversionRow{"OneMile",
                      {{ldmledit, "1"}},
                      {{ldinedit, "63,360.00000"},
                       {ldftedit, "5,280.00000"},
                       {ldf2edit, "5,280"},
                       {ldi2edit, "0.000"},
                       {ldydedit, "1,760.00000"},
                       {ldmledit, "1.00000"},
                       {ldmcedit, "1.609E+9"},
                       {ldmmedit, "1,609,344.00000"},
                       {ldcmedit, "160,934.40000"},
                       {ldmtedit, "1,609.34400"},
                       {ldkmedit, "1.60934"}}},
        ConversionRow{"TenThousandKilometers",
                      {{ldkmedit, "10000"}},
                      {{ldmtedit, "10,000,000.00000"}, {ldmmedit, "1.000E+10"}}},
        ConversionRow{"FeetAndInchesOfFivePointFiveFeet",
                      {{ldftedit, "5.5"}},
                      {{ldf2edit, "5"}, {ldi2edit, "6.000"}, {ldmtedit, "1.67640"}}},
        ConversionRow{"FeetAndInchesOfOneMeter",
                      {{ldmtedit, "1"}},
                      {{ldinedit, "39.37008"},
                       {ldftedit, "3.28084"},
                       {ldf2edit, "3"},
                       {ldi2edit, "3.370"},
                       {ldmledit, "6.214E-4"},
                       {ldkmedit, "1.000E-3"}}},
        ConversionRow{"PoundsAndOuncesOfTwoAndAHalfPounds",
                      {{Editpd, "2.5"}},
                      {{Editou, "40.00000"},
                       {Editpd, "2.50000"},
                       {Editpd2, "2"},
                       {Editou2, "8.000"},
                       {Editts, "0.00125"},
                       {Editmic, "1.134E+9"},
                       {Editmil, "1,133,980.90000"},
                       {Editgm, "1,133.98090"},
                       {Editkg, "1.13398"},
                       {Edittm, "0.00113"}}},
        ConversionRow{"PoundOuncePairAsSource",
                      {{Editpd2, "2"}, {Editou2, "8"}},
                      {{Editpd, "2.50000"}, {Editpd2, "2"}, {Editou2, "8.000"}}},
        ConversionRow{"FeetInchPairAsSource",
                      {{ldf2edit, "5"}, {ldi2edit, "6"}},
                      {{ldmtedit, "1.67640"}, {ldf2edit, "5"}, {ldi2edit, "6.000"}}},
        ConversionRow{"GroupedInputInASingleField",
                      {{Editpd, "1,234.5"}},
                      {{Editpd, "1,234.50000"}, {Editpd2, "1,234"}, {Editou2, "8.000"}}},
        ConversionRow{"GroupedInputInTheFirstFieldOfAPair",
                      {{ldf2edit, "1,000"}, {ldi2edit, "0"}},
                      {{ldftedit, "1,000.00000"}, {ldmtedit, "304.80000"}}},
        ConversionRow{"OneGallon",
                      {{gaedit, "1"}},
                      {{teedit, "768.00026"},
                       {taedit, "256.00009"},
                       {ocedit, "128.00013"},
                       {cuedit, "16.00000"},
                       {quedit, "4.00000"},
                       {gaedit, "1.00000"},
                       {afedit, "3.069E-6"},
                       {micledit, "3,785,411.80000"},
                       {miltedit, "3,785.41180"},
                       {cnedit, "378.54118"},
                       {ltedit, "3.78541"},
                       {cmedit, "0.00379"}}},
        ConversionRow{"OneFluidOunceComesBackAsOne",
                      {{ocedit, "1"}},
                      {{teedit, "6.00000"},
                       {ocedit, "1.00000"},
                       {afedit, "2.398E-8"},
                       {miltedit, "29.57353"},
                       {cmedit, "2.957E-5"}}},
        ConversionRow{"OneAcre",
                      {{araredit, "1"}},
                      {{arsiedit, "6,272,640.00000"},
                       {arsfedit, "43,560.00000"},
                       {arsyedit, "4,840.00000"},
                       {araredit, "1.00000"},
                       {arsmedit, "0.00156"},
                       {armmedit, "4.047E+9"},
                       {arcmedit, "4.047E+7"},
                       {armtedit, "4,046.85640"},
                       {arhtedit, "0.40469"},
                       {arkmedit, "0.00405"}}},
        ConversionRow{"SquareMileIsAWholeNumberOfSquareMeters",
                      {{arsmedit, "2"}},
                      {{arsyedit, "6,195,199.70000"},
                       {araredit, "1,279.99990"},
                       {armtedit, "5,179,976.00000"},
                       {arkmedit, "5.17998"}}},
        ConversionRow{"TinyValuesBecomeZero",
                      {{Editgm, "1E-39"}},
                      {{Editgm, "0.00000"}, {Editkg, "0.00000"}, {Editpd2, "0"}}},
        ConversionRow{"GermanSeparators",
                      {{ldmledit, "1"}},
                      {{ldmtedit, "1.609,34400"}, {ldkmedit, "1,60934"}, {ldmcedit, "1,609E+9"}},
                      {",", "."}},
        ConversionRow{"GermanGroupedInput",
                      {{Editpd, "1.234,5"}},
                      {{Editpd, "1.234,50000"}, {Editou2, "8,000"}},
                      {",", "."}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConversionEngine, ReportsNothingToCalculateUntilAFieldIsEntered) {
  ConversionEngine engine;
  FakeFields fields;
  fields.setText(editcel, "20");
  EXPECT_EQ(engine.Convert(Category::ctTemperature, fields), ConvertOutcome::coNothingToCalculate);
  EXPECT_EQ(fields.texts.size(), 1u);
  EXPECT_EQ(fields.text(editcel), "20");

  // A source in another category does not count.
  engine.SelectSource(Editgm, fields);
  EXPECT_EQ(engine.Convert(Category::ctVolume, fields), ConvertOutcome::coNothingToCalculate);

  const NothingToCalculateMessage temperature = NothingToCalculate(Category::ctTemperature);
  EXPECT_EQ(temperature.kind, DialogKind::Error);
  EXPECT_EQ(temperature.text, "Nothing to calculate !");
  const NothingToCalculateMessage area = NothingToCalculate(Category::ctArea);
  EXPECT_EQ(area.kind, DialogKind::Plain);
  EXPECT_EQ(area.text, "Nothing to calculate");
}

TEST(ConversionEngine, KeepsOneSourcePerCategory) {
  ConversionEngine engine;
  FakeFields fields;
  engine.SelectSource(Editkg, fields);
  engine.SelectSource(ldmledit, fields);
  EXPECT_EQ(engine.SourceUnit(Category::ctWeight), 7);
  EXPECT_EQ(engine.SourceUnit(Category::ctLinear), 4);
  EXPECT_EQ(engine.SourceUnit(Category::ctArea), 0);
  EXPECT_EQ(engine.SelectedField(), ldmledit);
  EXPECT_EQ(engine.SelectedUnitName(), "Mile");

  fields.setText(Editkg, "2");
  fields.setText(ldmledit, "bad");
  ASSERT_EQ(engine.Convert(Category::ctWeight, fields), ConvertOutcome::coConverted);
  EXPECT_EQ(fields.text(Editgm), "2,000.00000");
  EXPECT_EQ(fields.text(ldmledit), "bad");
}

TEST(ConversionEngine, EnteringAPairFieldZeroesAnEmptyPartner) {
  ConversionEngine engine;
  FakeFields fields;
  engine.SelectSource(Editpd2, fields);
  EXPECT_EQ(fields.text(Editou2), "0");
  EXPECT_EQ(engine.SourceUnit(Category::ctWeight), 9);
  fields.setText(Editpd2, "");
  fields.setText(Editou2, "3");
  engine.SelectSource(Editou2, fields);
  EXPECT_EQ(fields.text(Editpd2), "0");
  EXPECT_EQ(fields.text(Editou2), "3");
  EXPECT_EQ(engine.SelectedUnitName(), "(Ounce) / Pound");

  engine.SelectSource(ldi2edit, fields);
  EXPECT_EQ(fields.text(ldf2edit), "0");
  fields.setText(ldi2edit, "7");
  engine.SelectSource(ldf2edit, fields);
  EXPECT_EQ(fields.text(ldi2edit), "7");
  EXPECT_EQ(engine.SourceUnit(Category::ctLinear), 10);
  EXPECT_EQ(engine.SelectedField(), ldf2edit);
  EXPECT_EQ(engine.SelectedUnitName(), "(Foot) / Inch");
}

TEST(ConversionEngine, ParseErrorNamesTheCleanedTextAndChangesNothingElse) {
  ConversionEngine engine;
  FakeFields fields;
  engine.SelectSource(Editkg, fields);
  fields.setText(Editkg, "1,2x");
  fields.setText(Editgm, "old");
  try {
    engine.Convert(Category::ctWeight, fields);
    ADD_FAILURE() << "converted";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'12x' is not a valid floating point value");
  }
  EXPECT_EQ(fields.text(Editkg), "12x");
  EXPECT_EQ(fields.text(Editgm), "old");

  // A cleared source field reads as the empty text.
  fields.setText(Editkg, "");
  EXPECT_THROW(
      {
        try {
          engine.Convert(Category::ctWeight, fields);
        } catch (const ConversionError& e) {
          EXPECT_STREQ(e.what(), "'' is not a valid floating point value");
          throw;
        }
      },
      ConversionError);
}

TEST(ConversionEngine, SecondFieldOfAPairIsNotCleaned) {
  ConversionEngine engine;
  FakeFields fields;
  engine.SelectSource(Editpd2, fields);
  fields.setText(Editpd2, "1,000");
  fields.setText(Editou2, "1,234.5");
  try {
    engine.Convert(Category::ctWeight, fields);
    ADD_FAILURE() << "converted";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'1,234.5' is not a valid floating point value");
  }
  EXPECT_EQ(fields.text(Editpd2), "1000");
  EXPECT_EQ(fields.text(Editou2), "1,234.5");
  EXPECT_EQ(fields.text(Editpd), "");
}

TEST(ConversionEngine, OverflowStopsAfterTheFieldsAlreadyWritten) {
  ConversionEngine engine;
  FakeFields fields;
  engine.SelectSource(Editgm, fields);
  for (int field : {Editou, Editpd, Editpd2, Editou2, Editts, Editmic, Editmil, Editkg, Edittm}) {
    fields.setText(field, "old");
  }
  fields.setText(Editgm, "1E39");
  EXPECT_THROW(engine.Convert(Category::ctWeight, fields), FloatOverflow);
  EXPECT_EQ(fields.text(Editou), "old");
  EXPECT_EQ(fields.text(Editgm), "1E39");

  fields.setText(Editgm, "1E38");
  EXPECT_THROW(engine.Convert(Category::ctWeight, fields), FloatOverflow);
  EXPECT_EQ(fields.text(Editou), "3.527E+36");
  EXPECT_EQ(fields.text(Editpd), "2.205E+35");
  EXPECT_EQ(fields.text(Editpd2), "2.205E35");
  EXPECT_NE(fields.text(Editou2), "old");
  EXPECT_EQ(fields.text(Editts), "1.102E+32");
  for (int field : {Editmic, Editmil, Editkg, Edittm}) EXPECT_EQ(fields.text(field), "old");
}

TEST(ConversionEngine, PrepareCopyRewritesTheSelectedField) {
  ConversionEngine engine;
  FakeFields fields;
  EXPECT_EQ(engine.PrepareCopy(fields), std::nullopt);

  engine.SelectSource(editfah, fields);
  fields.setText(editfah, "98.6");
  EXPECT_EQ(engine.PrepareCopy(fields), "98.60");
  EXPECT_EQ(fields.text(editfah), "98.60");

  engine.SelectSource(ldkmedit, fields);
  fields.setText(ldkmedit, "1,234.5");
  EXPECT_EQ(engine.PrepareCopy(fields), "1,234.5000000000");
  EXPECT_EQ(fields.text(ldkmedit), "1,234.5000000000");

  fields.setText(ldkmedit, "1E15");
  EXPECT_EQ(engine.PrepareCopy(fields), "1E15");
  fields.setText(ldkmedit, "-2.5E-3");
  EXPECT_EQ(engine.PrepareCopy(fields), "-0.0025000000");

  engine.SelectSource(editcel, fields);
  fields.setText(editcel, "1E9");
  EXPECT_EQ(engine.PrepareCopy(fields), "1E9");
  fields.setText(editcel, "123456789");
  EXPECT_EQ(engine.PrepareCopy(fields), "123,456,789.00");

  fields.setText(editcel, "1,2,3x");
  EXPECT_THROW(engine.PrepareCopy(fields), ConversionError);
  EXPECT_EQ(fields.text(editcel), "123x");
}

}  // namespace
}  // namespace meridex
