#pragma once

#include <string>
#include <string_view>

namespace meridex {

// The three ways a number is written.
enum class FloatStyle {
  fsGrouped,   // fixed decimals, integer digits grouped in threes
  fsExponent,  // d.ddddE+xx
  fsGeneral,   // shortest text of at most `precision` significant digits
};

// The locale's separators, passed in so that the engines stay toolkit-free.
// Either may be more than one byte (UTF-8); the grouping separator may be
// empty.
struct NumberSeparators {
  std::string decimal = ".";
  std::string grouping = ",";
};

// Writes `value` (finite) in `style`. `precision` is the number of significant
// digits (taken as 2..18); `decimals` is the number of decimals of the grouped
// style and the minimum number of exponent digits of the exponent style (none
// from 4 on). Rounding is half away from zero on the exact binary value. A
// grouped value with more integer digits than `precision` is written in the
// general style instead. Throws ConversionError for an infinity or a NaN.
std::string FormatFloat(long double value, FloatStyle style, int precision, int decimals,
                        const NumberSeparators& separators);

// The general style with 15 significant digits, as the calculator writes.
std::string FormatGeneral15(long double value, std::string_view decimalSeparator);

// The style and precision the conversion results are written with.
struct FormatChoice {
  FloatStyle style;
  int precision;
};
FormatChoice FltOrExp(long double value);

// `text` without any occurrence of `grouping`.
std::string RemoveGrouping(std::string_view text, std::string_view grouping);

// Reads a decimal number: optional blanks, an optional sign, digits with at
// most one `decimalSeparator`, an optional exponent ("E" or "e", an optional
// sign, digits), optional blanks. A digit or the separator must stand before
// the exponent; a lone separator reads as 0. Throws ConversionError
// "'<text>' is not a valid floating point value" for anything else, the
// empty text included, and for a number beyond the extended range.
long double ParseFloat(std::string_view text, std::string_view decimalSeparator);

// The same syntax, without throwing: false when `text` is not a number.
bool TryParseFloat(std::string_view text, std::string_view decimalSeparator, long double& value);

}  // namespace meridex
