#pragma once

#include <span>
#include <string>

namespace meridex {

// The five categories of measure, numbered as the Clear command counts them.
enum class Category { ctTemperature = 1, ctWeight = 2, ctVolume = 3, ctArea = 4, ctLinear = 5 };

constexpr int kCategoryCount = 5;
constexpr int kFieldCount = 46;

// One unit and the edit field bound to it.
struct UnitInfo {
  int field;  // 1..46, the index the calculator link uses
  Category category;
  int source;                // SourceUnit while this field is the source
  const char* fieldName;     // name of the edit field
  const char* unitName;      // text recorded as SelectedUnitName
  long double inputFactor;   // to the base unit (unused by temperature and pairs)
  long double outputFactor;  // from the base unit (unused by temperature and pairs)
};

// How one field of a category is filled from the base value.
enum class OutputRule {
  orFactor,         // base * outputFactor
  orFahrenheit,     // c * 1.8 + 32
  orKelvin,         // c + 273.16
  orPairWhole,      // whole pounds or feet
  orPairRemainder,  // remaining ounces or inches
};

struct OutputStep {
  int field;
  OutputRule rule;
};

// A pair of fields entered together (pounds and ounces, feet and inches).
struct PairInfo {
  int firstField;           // pounds, feet
  int secondField;          // ounces, inches
  long double firstFactor;  // to the base unit
  long double secondFactor;
  long double splitFactor;  // base to pounds or feet
  long double wholeNudge;   // added before the fraction is dropped
  long double subunits;     // ounces per pound, inches per foot
};

// The unit of field 1..46; throws std::out_of_range for any other index.
const UnitInfo& UnitOfField(int field);
// The fields of a category in the order they are filled.
std::span<const OutputStep> OutputOrder(Category category);
// The pair of a category, or nullptr when it has none.
const PairInfo* PairOf(Category category);
// The pair that field belongs to, or nullptr.
const PairInfo* PairOfField(int field);
// Decimals of the grouped style for the results of a category.
int CategoryDecimals(Category category);
// The tab caption of a category.
std::string CategoryCaption(Category category);

}  // namespace meridex
