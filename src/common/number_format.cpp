#include "common/number_format.h"

#include <locale.h>
#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/errors.h"

namespace meridex {

namespace {

// A magnitude as decimal digits: value = 0.d1d2d3... * 10^exponent. No
// leading or trailing zeros; no digits at all for zero.
struct DecimalDigits {
  std::string digits;
  int exponent = 0;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The exact decimal expansion of a finite magnitude. A 64-bit significand
// times 2^(e-64) needs at most 64 - e decimals, so printing that many is
// exact; the radix character the C library prints is skipped, whatever the
// process locale makes it.
DecimalDigits ExactDigits(long double magnitude) {
  DecimalDigits d;
  if (magnitude == 0) return d;
  int binaryExponent = 0;
  std::frexp(magnitude, &binaryExponent);
  const int decimals = std::max(0, 64 - binaryExponent);
  // Room for the largest extended value's 4933 integer digits, the radix
  // character and the decimals.
  std::string printed(static_cast<std::size_t>(decimals) + 4950, '\0');
  const int length = std::snprintf(printed.data(), printed.size(), "%.*Lf", decimals, magnitude);
  printed.resize(length > 0 ? static_cast<std::size_t>(length) : 0);

  std::size_t integerDigits = 0;
  while (integerDigits < printed.size() && IsDigit(printed[integerDigits])) ++integerDigits;
  std::string all;
  all.reserve(printed.size());
  for (char c : printed) {
    if (IsDigit(c)) all.push_back(c);
  }
  const std::size_t first = all.find_first_not_of('0');
  const std::size_t last = all.find_last_not_of('0');
  d.digits = all.substr(first, last - first + 1);
  d.exponent = static_cast<int>(integerDigits) - static_cast<int>(first);
  return d;
}

// Keeps `keep` significant digits, rounding half away from zero.
DecimalDigits RoundDigits(DecimalDigits d, int keep) {
  if (d.digits.empty() || static_cast<int>(d.digits.size()) <= keep) return d;
  if (keep < 0) return {};
  const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
  d.digits.resize(static_cast<std::size_t>(keep));
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
      d.digits[static_cast<std::size_t>(i)] = '0';
      --i;
    }
    if (i < 0) {
      d.digits.insert(d.digits.begin(), '1');
      ++d.exponent;
    } else {
      ++d.digits[static_cast<std::size_t>(i)];
    }
  }
  const std::size_t last = d.digits.find_last_not_of('0');
  if (last == std::string::npos) return {};
  d.digits.resize(last + 1);
  return d;
}

// The digit at decimal position `index` (0 is the first significant one),
// zero outside the digits held.
char DigitAt(const DecimalDigits& d, int index) {
  if (index < 0 || index >= static_cast<int>(d.digits.size())) return '0';
  return d.digits[static_cast<std::size_t>(index)];
}

std::string GeneralText(const DecimalDigits& d, bool negative, int precision,
                        const NumberSeparators& seps) {
  if (d.digits.empty()) return "0";
  std::string text = negative ? "-" : "";
  const int digitCount = static_cast<int>(d.digits.size());
  if (d.exponent > precision || d.exponent < -3) {
    text += d.digits[0];
    if (digitCount > 1) text += seps.decimal + d.digits.substr(1);
    const int exponent = d.exponent - 1;
    text += 'E';
    if (exponent < 0) text += '-';
    text += std::to_string(std::abs(exponent));
    return text;
  }
  if (d.exponent <= 0) {
    return text + "0" + seps.decimal + std::string(static_cast<std::size_t>(-d.exponent), '0') +
           d.digits;
  }
  for (int i = 0; i < d.exponent; ++i) text += DigitAt(d, i);
  if (digitCount > d.exponent) {
    text += seps.decimal + d.digits.substr(static_cast<std::size_t>(d.exponent));
  }
  return text;
}

std::string GroupedText(const DecimalDigits& exact, bool negative, int precision, int decimals,
                        const NumberSeparators& seps) {
  const DecimalDigits d = RoundDigits(exact, std::min(precision, exact.exponent + decimals));
  if (!d.digits.empty() && d.exponent > precision) {
    return GeneralText(RoundDigits(exact, precision), negative, precision, seps);
  }
  std::string text = (negative && !d.digits.empty()) ? "-" : "";
  const int integerDigits = d.digits.empty() ? 0 : d.exponent;
  if (integerDigits <= 0) {
    text += '0';
  } else {
    for (int i = 0; i < integerDigits; ++i) {
      if (i > 0 && (integerDigits - i) % 3 == 0) text += seps.grouping;
      text += DigitAt(d, i);
    }
  }
  if (decimals > 0) {
    text += seps.decimal;
    for (int j = 0; j < decimals; ++j) text += DigitAt(d, d.exponent + j);
  }
  return text;
}

std::string ExponentText(const DecimalDigits& exact, bool negative, int precision, int decimals,
                         const NumberSeparators& seps) {
  const DecimalDigits d = RoundDigits(exact, precision);
  std::string text = (negative && !d.digits.empty()) ? "-" : "";
  text += DigitAt(d, 0);
  text += seps.decimal;
  for (int i = 1; i < precision; ++i) text += DigitAt(d, i);
  const int exponent = d.digits.empty() ? 0 : d.exponent - 1;
  text += exponent < 0 ? "E-" : "E+";
  std::string digits = std::to_string(std::abs(exponent));
  const int minDigits = decimals < 4 ? decimals : 1;
  if (static_cast<int>(digits.size()) < minDigits) {
    digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
  }
  return text + digits;
}

locale_t CLocale() {
  static const locale_t c = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

}  // namespace

std::string FormatFloat(long double value, FloatStyle style, int precision, int decimals,
                        const NumberSeparators& separators) {
  if (!std::isfinite(value)) throw ConversionError("Invalid floating point operation");
  precision = std::clamp(precision, 2, 18);
  decimals = std::max(decimals, 0);
  const bool negative = std::signbit(value);
  const DecimalDigits exact = ExactDigits(std::fabs(value));
  switch (style) {
    case FloatStyle::fsGrouped:
      return GroupedText(exact, negative, precision, decimals, separators);
    case FloatStyle::fsExponent:
      return ExponentText(exact, negative, precision, decimals, separators);
    case FloatStyle::fsGeneral:
      break;
  }
  return GeneralText(RoundDigits(exact, precision), negative, precision, separators);
}

std::string FormatGeneral15(long double value, std::string_view decimalSeparator) {
  return FormatFloat(value, FloatStyle::fsGeneral, 15, 0,
                     NumberSeparators{std::string(decimalSeparator), std::string()});
}

FormatChoice FltOrExp(long double value) {
  if (value == 0) return {FloatStyle::fsGrouped, 4};
  if (value < 0.001L || value > 10000000.0L) return {FloatStyle::fsExponent, 4};
  return {FloatStyle::fsGrouped, 8};
}

std::string RemoveGrouping(std::string_view text, std::string_view grouping) {
  std::string cleaned;
  cleaned.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    if (!grouping.empty() && text.substr(i, grouping.size()) == grouping) {
      i += grouping.size();
    } else {
      cleaned.push_back(text[i++]);
    }
  }
  return cleaned;
}

bool TryParseFloat(std::string_view text, std::string_view decimalSeparator, long double& value) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  std::string sign;
  if (i < n && (text[i] == '+' || text[i] == '-')) sign = text[i++];

  std::string mantissa;
  bool anyDigit = false;
  bool seenSeparator = false;
  while (i < n) {
    if (IsDigit(text[i])) {
      mantissa.push_back(text[i++]);
      anyDigit = true;
    } else if (!seenSeparator && !decimalSeparator.empty() &&
               text.substr(i, decimalSeparator.size()) == decimalSeparator) {
      mantissa.push_back('.');
      i += decimalSeparator.size();
      seenSeparator = true;
    } else {
      break;
    }
  }
  if (!anyDigit && !seenSeparator) return false;
  if (!anyDigit) mantissa = "0";  // a lone separator reads as zero

  std::string exponent;
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    exponent = "e";
    if (i < n && (text[i] == '+' || text[i] == '-')) exponent.push_back(text[i++]);
    const std::size_t digitsStart = i;
    while (i < n && IsDigit(text[i])) exponent.push_back(text[i++]);
    if (i == digitsStart) return false;
  }
  while (i < n && text[i] == ' ') ++i;
  if (i != n) return false;

  const std::string normal = sign + mantissa + exponent;
  char* end = nullptr;
  const long double parsed = ::strtold_l(normal.c_str(), &end, CLocale());
  if (end != normal.c_str() + normal.size() || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

long double ParseFloat(std::string_view text, std::string_view decimalSeparator) {
  long double value = 0;
  if (!TryParseFloat(text, decimalSeparator, value)) {
    throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
  }
  return value;
}

}  // namespace meridex
