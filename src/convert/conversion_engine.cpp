#include "convert/conversion_engine.h"

#include <cmath>

#include "convert/real48.h"

namespace meridex {

namespace {

// The extended value of 1/9 the Fahrenheit formula multiplies by.
constexpr long double kOneNinth = 0.111111111111111111110L;
constexpr long double kKelvinOffset = 273.16L;

const UnitInfo& UnitOfSource(Category category, int source) {
  for (int field = 1; field <= kFieldCount; ++field) {
    const UnitInfo& unit = UnitOfField(field);
    if (unit.category == category && unit.source == source) return unit;
  }
  return UnitOfField(1);  // unreachable: sources come from the catalogue
}

}  // namespace

NothingToCalculateMessage NothingToCalculate(Category category) {
  if (category == Category::ctTemperature) return {DialogKind::Error, "Nothing to calculate !"};
  return {DialogKind::Plain, "Nothing to calculate"};
}

void ConversionEngine::SelectSource(int field, ConversionFields& fields) {
  const UnitInfo& unit = UnitOfField(field);
  sourceUnit_[static_cast<std::size_t>(unit.category) - 1] = unit.source;
  selectedField_ = field;
  selectedUnitName_ = unit.unitName;
  if (const PairInfo* pair = PairOfField(field)) {
    const int partner = field == pair->firstField ? pair->secondField : pair->firstField;
    if (fields.text(partner).empty()) fields.setText(partner, "0");
  }
}

long double ConversionEngine::ReadField(int field, ConversionFields& fields, bool clean) const {
  std::string text = fields.text(field);
  if (clean) {
    text = RemoveGrouping(text, separators_.grouping);
    fields.setText(field, text);
  }
  return ParseFloat(text, separators_.decimal);
}

long double ConversionEngine::BaseValue(Category category, int source,
                                        ConversionFields& fields) const {
  const UnitInfo& unit = UnitOfSource(category, source);
  if (const PairInfo* pair = PairOf(category); pair && unit.field == pair->firstField) {
    const long double first = ReadField(pair->firstField, fields, true);
    const long double second = ReadField(pair->secondField, fields, false);
    return StoreReal48(first * pair->firstFactor + second * pair->secondFactor);
  }
  const long double value = ReadField(unit.field, fields, true);
  if (category == Category::ctTemperature) {
    if (source == 1) {
      const long double difference = StoreReal48(value - 32);
      return StoreReal48(difference * 5 * kOneNinth);
    }
    if (source == 3) return StoreReal48(value - kKelvinOffset);
    return StoreReal48(value);
  }
  return StoreReal48(value * unit.inputFactor);
}

void ConversionEngine::WriteResult(int field, long double value, ConversionFields& fields) {
  const FormatChoice choice = FltOrExp(value);
  style_ = choice.style;
  precision_ = choice.precision;
  fields.setText(field, FormatFloat(value, style_, precision_, decimals_, separators_));
}

ConvertOutcome ConversionEngine::Convert(Category category, ConversionFields& fields) {
  const int source = SourceUnit(category);
  if (source == 0) return ConvertOutcome::coNothingToCalculate;
  decimals_ = CategoryDecimals(category);
  const long double base = BaseValue(category, source, fields);

  const PairInfo* pair = PairOf(category);
  long double split = 0;  // pounds or feet, kept in extended precision
  long double whole = 0;  // whole pounds or feet, stored
  for (const OutputStep& step : OutputOrder(category)) {
    switch (step.rule) {
      case OutputRule::orFactor:
        WriteResult(step.field, StoreReal48(base * UnitOfField(step.field).outputFactor), fields);
        break;
      case OutputRule::orFahrenheit:
        WriteResult(step.field, StoreReal48(base * 1.8L + 32), fields);
        break;
      case OutputRule::orKelvin:
        WriteResult(step.field, StoreReal48(base + kKelvinOffset), fields);
        break;
      case OutputRule::orPairWhole:
        // Written at the precision chosen for the pounds or feet just before.
        split = base * pair->splitFactor;
        whole = StoreReal48(std::trunc(split + pair->wholeNudge));
        fields.setText(step.field,
                       FormatFloat(whole, FloatStyle::fsGrouped, precision_, 0, separators_));
        break;
      case OutputRule::orPairRemainder: {
        const long double remainder = StoreReal48((split - whole) * pair->subunits);
        precision_ = FltOrExp(remainder).precision;
        fields.setText(step.field,
                       FormatFloat(remainder, FloatStyle::fsGrouped, precision_, 3, separators_));
        break;
      }
    }
  }
  return ConvertOutcome::coConverted;
}

std::optional<std::string> ConversionEngine::PrepareCopy(ConversionFields& fields) {
  if (selectedField_ < 1 || selectedField_ > kFieldCount) return std::nullopt;
  const long double value = ReadField(selectedField_, fields, true);
  const bool temperature = UnitOfField(selectedField_).category == Category::ctTemperature;
  const std::string text = FormatFloat(value, FloatStyle::fsGrouped, temperature ? 9 : 13,
                                       temperature ? 2 : 10, separators_);
  fields.setText(selectedField_, text);
  return text;
}

}  // namespace meridex
