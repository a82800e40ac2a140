#include "calculator/calc_engine.h"

#include <algorithm>
#include <cmath>

#include "common/number_format.h"

namespace meridex {

namespace {

// Division by zero, overflow, an invalid operation or an entry that does not
// read as a number; Press() turns it into the error display.
struct ArithmeticFault {};

long double Checked(long double value) {
  if (!std::isfinite(value)) throw ArithmeticFault{};
  return value;
}

constexpr unsigned kReadyNew = TCalcEngine::sfOperandReady | TCalcEngine::sfNewEntry;

// Characters a paste types; everything else in the clipboard is skipped.
bool PasteAccepts(std::string_view character, std::string_view decimal) {
  if (character == decimal) return true;
  return character.size() == 1 &&
         std::string_view("%*+-./0123456789=").find(character[0]) != std::string_view::npos;
}

}  // namespace

std::size_t Utf8CharacterLength(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 1;
  if (lead >= 0xF0 && lead <= 0xF7) {
    length = 4;
  } else if (lead >= 0xE0) {
    length = lead <= 0xEF ? 3 : 1;
  } else if (lead >= 0xC0) {
    length = 2;
  }
  return std::min(length, text.size() - at);
}

TCalcEngine::TCalcEngine(std::function<void()> beep) : beep_(std::move(beep)) {}

void TCalcEngine::ClearCalculator() {
  accumulator_ = 0;
  entryValue_ = 0;
  pending_ = cbEquals;
  entryText_ = "0";
  ShowValue(accumulator_);
  flags_ = kReadyNew;
}

void TCalcEngine::ShowValue(long double value) {
  if (!std::isfinite(value)) throw ArithmeticFault{};
  display_ = FormatGeneral15(value, decimal_) + " ";
}

void TCalcEngine::ShowError() {
  display_ = "****** ";
  flags_ = sfError;
  if (beep_) beep_();
}

long double TCalcEngine::ReadEntry(std::string_view text) const {
  long double value = 0;
  if (!TryParseFloat(text, decimal_, value)) throw ArithmeticFault{};
  return value;
}

bool TCalcEngine::Press(int code) {
  if (code == cbClear) {
    ClearCalculator();
    lastButton_ = code;
    return true;
  }
  if (InError()) {
    if (beep_) beep_();
    return false;
  }
  try {
    PressEffect(code);
  } catch (const ArithmeticFault&) {
    ShowError();
  }
  lastButton_ = code;
  return true;
}

void TCalcEngine::PressEffect(int code) {
  switch (code) {
    case cbBack:
      Back();
      break;
    case cbClearEntry:
      entryText_.clear();
      entryValue_ = 0;
      ShowValue(entryValue_);
      break;
    case cbAdd:
    case cbSubtract:
    case cbMultiply:
    case cbDivide:
      ApplyPending();
      flags_ = kReadyNew;
      pending_ = code;
      break;
    case cbDecimal:
      TypeDecimal();
      break;
    case cbEquals:
      ApplyPending();
      entryValue_ = accumulator_;
      flags_ = sfOperandReady;
      pending_ = cbEquals;
      break;
    case cbReciprocal:
      entryText_.clear();
      if (entryValue_ == 0) throw ArithmeticFault{};
      entryValue_ = Checked(1 / entryValue_);
      ShowValue(entryValue_);
      break;
    case cbChangeSign:
      // The entry text stays, so further digits continue it.
      entryValue_ = -entryValue_;
      ShowValue(entryValue_);
      break;
    case cbPercent:
      Percent();
      break;
    case cbSqrt:
      if (entryValue_ < 0) throw ArithmeticFault{};
      entryValue_ = std::sqrt(entryValue_);
      ShowValue(entryValue_);
      break;
    case cbMemoryClear:
      memory_ = 0;
      break;
    case cbMemoryRecall:
      entryValue_ = memory_;
      ShowValue(entryValue_);
      flags_ = kReadyNew;
      break;
    case cbMemoryStore:
      memory_ = entryValue_;
      flags_ |= sfNewEntry;
      break;
    case cbMemoryAdd:
    case cbMemorySubtract: {
      const long double sum = code == cbMemoryAdd ? memory_ + entryValue_ : memory_ - entryValue_;
      if (!std::isfinite(sum)) {
        memory_ = 0;
        throw ArithmeticFault{};
      }
      memory_ = sum;
      flags_ |= sfNewEntry;
      break;
    }
    default:
      if (code >= cbDigit0 && code <= cbDigit9) TypeDigit(code - cbDigit0);
      break;
  }
}

void TCalcEngine::ApplyPending() {
  if ((flags_ & sfOperandReady) == 0) return;
  long double result = entryValue_;
  switch (pending_) {
    case cbAdd:
      result = accumulator_ + entryValue_;
      break;
    case cbSubtract:
      result = accumulator_ - entryValue_;
      break;
    case cbMultiply:
      result = accumulator_ * entryValue_;
      break;
    case cbDivide:
      if (entryValue_ == 0) throw ArithmeticFault{};
      result = accumulator_ / entryValue_;
      break;
    default:
      break;
  }
  accumulator_ = Checked(result);
  ShowValue(accumulator_);
  entryText_ = "0";
  entryValue_ = 0;
}

void TCalcEngine::TypeDigit(int digit) {
  if (lastButton_ == cbEquals) ClearCalculator();  // a new calculation
  if (flags_ & sfNewEntry) entryText_.clear();
  lastButton_ = cbDigit0 + digit;
  // The sign of the value before the digit carries over, so a number typed
  // on after "+/-" or a negative memory recall stays negative.
  const long double sign = entryValue_ >= 0 ? 1 : -1;
  entryText_ += static_cast<char>('0' + digit);
  entryValue_ = sign * ReadEntry(entryText_);
  if (entryValue_ == 0 && entryText_.find(decimal_) == std::string::npos) {
    entryText_ = "0";  // leading zeros do not pile up
    ShowValue(entryValue_);
    flags_ = kReadyNew;
    return;
  }
  display_ = (entryValue_ < 0 ? "-" : "") + entryText_ + " ";
  flags_ = sfOperandReady;
}

void TCalcEngine::TypeDecimal() {
  if (entryText_.find(decimal_) != std::string::npos) return;
  entryText_ += decimal_;
  entryValue_ = ReadEntry(entryText_);  // the text has no sign
  display_ = entryText_ + " ";
  flags_ = sfOperandReady;
}

void TCalcEngine::Back() {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < entryText_.size(); i += Utf8CharacterLength(entryText_, i)) {
    ++characters;
  }
  if (characters < 2) {
    entryValue_ = 0;
    ShowValue(entryValue_);
    flags_ = kReadyNew;
    return;
  }
  const bool endsWithSeparator =
      entryText_.size() >= decimal_.size() &&
      entryText_.compare(entryText_.size() - decimal_.size(), decimal_.size(), decimal_) == 0;
  entryText_.resize(entryText_.size() - (endsWithSeparator ? decimal_.size() : 1));
  entryValue_ = ReadEntry(entryText_);
  display_ = entryText_ + " ";
}

void TCalcEngine::Percent() {
  if (pending_ == cbAdd || pending_ == cbSubtract) {
    entryValue_ = Checked(entryValue_ * 0.01L * accumulator_);
  } else {
    entryValue_ = Checked(entryValue_ * 0.01L);
  }
  ApplyPending();
  entryValue_ = accumulator_;
  flags_ = kReadyNew;
  pending_ = cbEquals;
}

int TCalcEngine::ButtonForCharacter(std::string_view character) const {
  if (character.empty()) return 0;
  if (character == decimal_ || character == ".") return cbDecimal;
  if (character.size() != 1) return 0;
  const char c = character[0];
  if (c >= '0' && c <= '9') return cbDigit0 + (c - '0');
  switch (c) {
    case '\b':
      return cbBack;
    case '\x1b':
      return cbClear;
    case '+':
      return cbAdd;
    case '-':
      return cbSubtract;
    case '*':
      return cbMultiply;
    case '/':
      return cbDivide;
    case '=':
      return cbEquals;
    case 'r':
      return cbReciprocal;
    case '%':
      return cbPercent;
    case '@':
      return cbSqrt;
    case '\x0c':  // Ctrl+L
      return cbMemoryClear;
    case '\x12':  // Ctrl+R
      return cbMemoryRecall;
    case '\x10':  // Ctrl+P
      return cbMemoryAdd;
    case '\x13':  // Ctrl+S
      return cbMemorySubtract;
    default:
      return 0;
  }
}

void TCalcEngine::TypeCharacters(std::string_view text, bool filter,
                                 const std::function<bool(int)>& press) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8CharacterLength(text, i);
    const std::string_view character = text.substr(i, length);
    i += length;
    if (filter && !PasteAccepts(character, decimal_)) continue;
    if (const int code = ButtonForCharacter(character)) {
      if (press) {
        press(code);
      } else {
        Press(code);
      }
    }
  }
}

void TCalcEngine::Paste(std::string_view text, const std::function<bool(int)>& press) {
  if (text.empty()) return;
  ClearCalculator();
  TypeCharacters(text, true, press);
}

void TCalcEngine::SetText(std::string_view text, const std::function<bool(int)>& press) {
  ClearCalculator();
  TypeCharacters(text, false, press);
}

bool TCalcEngine::EnterNumber(std::string_view text) {
  long double value = 0;
  if (!TryParseFloat(RemoveGrouping(text, grouping_), decimal_, value)) return false;
  ClearCalculator();
  entryValue_ = value;
  ShowValue(entryValue_);
  flags_ = kReadyNew;
  return true;
}

}  // namespace meridex
