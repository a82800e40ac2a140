#pragma once

#include <array>
#include <optional>
#include <string>

#include "common/dialogs.h"
#include "common/number_format.h"
#include "convert/catalogue.h"

namespace meridex {

// The edit fields of the conversion window, addressed by field index 1..46.
class ConversionFields {
 public:
  virtual ~ConversionFields() = default;
  virtual std::string text(int field) const = 0;
  virtual void setText(int field, const std::string& text) = 0;
};

enum class ConvertOutcome { coConverted, coNothingToCalculate };

// The message Convert asks for when no field of the category has been entered.
struct NothingToCalculateMessage {
  DialogKind kind;
  std::string text;
};
NothingToCalculateMessage NothingToCalculate(Category category);

// The arithmetic of the conversion window: which unit the user is typing in
// per category, reading the source field, computing every unit of the
// category through its base unit, and writing the results as text. It knows
// nothing of widgets: the window hands it the fields and shows its messages.
// Every intermediate value is held as a 6-byte real.
class ConversionEngine {
 public:
  // Taken from the locale whenever the window is activated.
  void setSeparators(NumberSeparators separators) { separators_ = std::move(separators); }

  // The user entered `field`: it becomes the source of its category and the
  // selected field. Entering either field of a pair writes "0" into the other
  // one when that is empty.
  void SelectSource(int field, ConversionFields& fields);

  // Fills every field of `category` from its source field, in the category's
  // output order. Throws ConversionError for a source text that is not a
  // number (the cleaned text has been written back by then) and
  // FloatOverflow when a value does not fit; fields already written keep
  // their new texts.
  ConvertOutcome Convert(Category category, ConversionFields& fields);

  // Rewrites the selected field's value in the form the calculator takes
  // (grouped, 9 digits and 2 decimals for temperatures, 13 and 10 otherwise)
  // and returns that text; nullopt when no field has been entered yet.
  // Throws ConversionError for a text that is not a number.
  std::optional<std::string> PrepareCopy(ConversionFields& fields);

  int SourceUnit(Category category) const {
    return sourceUnit_[static_cast<std::size_t>(category) - 1];
  }
  int SelectedField() const { return selectedField_; }
  const std::string& SelectedUnitName() const { return selectedUnitName_; }

 private:
  long double ReadField(int field, ConversionFields& fields, bool clean) const;
  long double BaseValue(Category category, int source, ConversionFields& fields) const;
  void WriteResult(int field, long double value, ConversionFields& fields);

  std::array<int, kCategoryCount> sourceUnit_{};
  int selectedField_ = 0;
  std::string selectedUnitName_;
  // Result format state: FltOrExp sets style and precision before each value.
  FloatStyle style_ = FloatStyle::fsGrouped;
  int precision_ = 8;
  int decimals_ = 5;
  NumberSeparators separators_;
};

}  // namespace meridex
