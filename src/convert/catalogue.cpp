#include "convert/catalogue.h"

#include <array>
#include <stdexcept>

namespace meridex {

namespace {

using enum Category;

// Factors are the extended values nearest to the numbers written; the output
// factors are the extended quotients 1 / input factor (except the fluid ounce,
// whose output factor is 1 / 0.0295735).
constexpr std::array<UnitInfo, kFieldCount> kUnits{{
    {1, ctTemperature, 1, "editfah", "Fahrenheit", 0, 0},
    {2, ctTemperature, 2, "editcel", "Celsius", 1, 1},
    {3, ctTemperature, 3, "Editkel", "Kelvin", 0, 0},
    {4, ctWeight, 1, "Editou", "Ounce", 28.34952L, 0.035273965837869565338L},
    {5, ctWeight, 2, "Editpd", "Pound", 453.59237L, 0.0022046226218487758073L},
    {6, ctWeight, 3, "Editts", "Ton (short)", 907184.74L, 0.0000011023113109243879036L},
    {7, ctWeight, 4, "Editmic", "Microgram", 0.000001L, 999999.999999999999943L},
    {8, ctWeight, 5, "Editmil", "Milligram", 0.001L, 1000.00000000000000006L},
    {9, ctWeight, 6, "Editgm", "Gram", 1, 1},
    {10, ctWeight, 7, "Editkg", "Kilogram", 1000, 0.001L},
    {11, ctWeight, 8, "Edittm", "Ton (metric)", 1000000, 0.000001L},
    {12, ctVolume, 1, "teedit", "Teaspoon", 0.00492892L, 202.884201812973227405L},
    {13, ctVolume, 2, "taedit", "Tablespoon", 0.01478676L, 67.6280672709910758017L},
    {14, ctVolume, 3, "ocedit", "Ounce", 0.02957353L, 33.8140565032884169959L},
    {15, ctVolume, 4, "cuedit", "Cup", 0.23658824L, 4.22675277520133714157L},
    {16, ctVolume, 5, "quedit", "Quart", 0.94635296L, 1.05668819380033428539L},
    {17, ctVolume, 6, "gaedit", "Gallon", 3.78541184L, 0.264172048450083571348L},
    {18, ctVolume, 7, "afedit", "Acre Feet", 1233481.8L, 0.000000810713218468241687910L},
    {19, ctVolume, 8, "micledit", "Microliter", 0.000001L, 999999.999999999999943L},
    {20, ctVolume, 9, "miltedit", "Milliliter", 0.001L, 1000.00000000000000006L},
    {21, ctVolume, 10, "cnedit", "Centiliter", 0.01L, 100},
    {22, ctVolume, 11, "ltedit", "Liter", 1, 1},
    {23, ctVolume, 12, "cmedit", "Cubic Meter", 1000, 0.001L},
    {24, ctLinear, 1, "ldinedit", "Inch", 0.0254L, 39.3700787401574803168L},
    {25, ctLinear, 2, "ldftedit", "Foot", 0.3048L, 3.28083989501312335959L},
    {26, ctLinear, 3, "ldydedit", "Yard", 0.9144L, 1.09361329833770778649L},
    {27, ctLinear, 4, "ldmledit", "Mile", 1609.344L, 0.000621371192237333969635L},
    {28, ctLinear, 5, "ldmcedit", "Micron", 0.000001L, 999999.999999999999943L},
    {29, ctLinear, 6, "ldmmedit", "Millimeter", 0.001L, 1000.00000000000000006L},
    {30, ctLinear, 7, "ldcmedit", "Centimeter", 0.01L, 100},
    {31, ctLinear, 8, "ldmtedit", "Meter", 1, 1},
    {32, ctLinear, 9, "ldkmedit", "Kilometer", 1000, 0.001L},
    {33, ctLinear, 10, "ldf2edit", "(Foot) / Inch", 0, 0},
    {34, ctLinear, 10, "ldi2edit", "Foot / (Inch)", 0, 0},
    {35, ctArea, 1, "arsiedit", "Inch sq", 0.00064516L, 1550.00310000620001238L},
    {36, ctArea, 2, "arsfedit", "Foot sq", 0.09290304L, 10.7639104167097223088L},
    {37, ctArea, 3, "arsyedit", "Yard sq", 0.83612736L, 1.19599004630108025655L},
    {38, ctArea, 4, "araredit", "Acre", 4046.856422L, 0.000247105381491589770072L},
    // The square mile is taken as a whole 2589988 square meters.
    {39, ctArea, 5, "arsmedit", "Mile sq", 2589988, 0.000000386102174990772158025L},
    {40, ctArea, 6, "armmedit", "Millimeter sq", 0.000001L, 999999.999999999999943L},
    {41, ctArea, 7, "arcmedit", "Centimeter sq", 0.0001L, 10000},
    {42, ctArea, 8, "armtedit", "Meter sq", 1, 1},
    {43, ctArea, 9, "arhtedit", "Hectare", 10000, 0.0001L},
    {44, ctArea, 10, "arkmedit", "Kilometer sq", 1000000, 0.000001L},
    {45, ctWeight, 9, "Editpd2", "(Pound) / Ounce", 0, 0},
    {46, ctWeight, 9, "Editou2", "(Ounce) / Pound", 0, 0},
}};

constexpr OutputStep F(int field) { return {field, OutputRule::orFactor}; }

constexpr std::array kTemperatureOrder{OutputStep{1, OutputRule::orFahrenheit}, F(2),
                                       OutputStep{3, OutputRule::orKelvin}};
constexpr std::array kWeightOrder{F(4),
                                  F(5),
                                  OutputStep{45, OutputRule::orPairWhole},
                                  OutputStep{46, OutputRule::orPairRemainder},
                                  F(6),
                                  F(7),
                                  F(8),
                                  F(9),
                                  F(10),
                                  F(11)};
constexpr std::array kVolumeOrder{F(12), F(13), F(14), F(15), F(16), F(17),
                                  F(18), F(19), F(20), F(21), F(22), F(23)};
constexpr std::array kAreaOrder{F(35), F(36), F(37), F(38), F(39),
                                F(40), F(41), F(42), F(43), F(44)};
constexpr std::array kLinearOrder{F(24),
                                  F(25),
                                  OutputStep{33, OutputRule::orPairWhole},
                                  OutputStep{34, OutputRule::orPairRemainder},
                                  F(26),
                                  F(27),
                                  F(28),
                                  F(29),
                                  F(30),
                                  F(31),
                                  F(32)};

// Whole pounds are taken after adding a millionth, whole feet after adding
// 1E-10, so that values a hair below a whole number do not lose a unit.
constexpr PairInfo kPoundOunce{45,        46, 453.59237L, 28.34952L, 0.0022046226218487758073L,
                               0.000001L, 16};
constexpr PairInfo kFeetInches{33, 34, 0.3048L, 0.0254L, 3.28083989501312335959L, 1E-10L, 12};

}  // namespace

const UnitInfo& UnitOfField(int field) {
  if (field < 1 || field > kFieldCount) throw std::out_of_range("no conversion field");
  return kUnits[static_cast<std::size_t>(field - 1)];
}

std::span<const OutputStep> OutputOrder(Category category) {
  switch (category) {
    case ctTemperature:
      return kTemperatureOrder;
    case ctWeight:
      return kWeightOrder;
    case ctVolume:
      return kVolumeOrder;
    case ctArea:
      return kAreaOrder;
    case ctLinear:
      return kLinearOrder;
  }
  return {};
}

const PairInfo* PairOf(Category category) {
  if (category == ctWeight) return &kPoundOunce;
  if (category == ctLinear) return &kFeetInches;
  return nullptr;
}

const PairInfo* PairOfField(int field) {
  for (const PairInfo* pair : {&kPoundOunce, &kFeetInches}) {
    if (field == pair->firstField || field == pair->secondField) return pair;
  }
  return nullptr;
}

int CategoryDecimals(Category category) { return category == ctTemperature ? 2 : 5; }

std::string CategoryCaption(Category category) {
  switch (category) {
    case ctTemperature:
      return "Temperature ";
    case ctWeight:
      return "Weight ";
    case ctVolume:
      return "Volume ";
    case ctArea:
      return " Area";
    case ctLinear:
      return "Linear Distance";
  }
  return {};
}

}  // namespace meridex
