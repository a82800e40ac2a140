#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace meridex {

// The calculator's buttons; the numbers are the codes the control reports.
enum CalcButton : int {
  cbBack = 1,
  cbClearEntry = 2,
  cbClear = 3,
  cbAdd = 4,
  cbSubtract = 5,
  cbMultiply = 6,
  cbDivide = 7,
  cbDigit0 = 8,  // cbDigit0 + d for the digit d
  cbDigit9 = 17,
  cbDecimal = 18,
  cbEquals = 19,
  cbReciprocal = 20,
  cbChangeSign = 21,
  cbPercent = 22,
  cbSqrt = 23,
  cbMemoryClear = 24,
  cbMemoryRecall = 25,
  cbMemoryStore = 26,
  cbMemoryAdd = 27,
  cbMemorySubtract = 28,
};
constexpr int kCalcButtonCount = 28;

// The calculator's arithmetic: immediate left-to-right evaluation in extended
// precision, the entry being typed, the memory, the error state and the
// display text. It does not draw, read keys or touch the clipboard: the
// control maps keys and clicks to Press() and shows DisplayText().
class TCalcEngine {
 public:
  enum StateFlag : unsigned { sfOperandReady = 1, sfError = 2, sfNewEntry = 4 };

  // `beep` sounds the system beep (errors and refused presses).
  explicit TCalcEngine(std::function<void()> beep = {});

  // The locale's decimal separator (the text of the decimal key) and its
  // grouping separator (skipped when a number is handed over with EnterNumber).
  void setDecimalSeparator(std::string separator) { decimal_ = std::move(separator); }
  void setGroupSeparator(std::string separator) { grouping_ = std::move(separator); }
  const std::string& DecimalSeparator() const { return decimal_; }

  // The single entry point for every button. Returns false when the press was
  // refused because the calculator shows an error (only "C" leaves it).
  bool Press(int code);

  // Accumulator, entry and pending operation to zero; the display shows 0.
  void ClearCalculator();
  // Clears, then types every character of `text` that is a digit, an
  // operation, "=", "%", "." or the decimal separator; does nothing for an
  // empty text. Each typed button goes through `press` when given (so that a
  // control can report it), through Press() otherwise.
  void Paste(std::string_view text, const std::function<bool(int)>& press = {});
  // Clears, then types every character of `text`.
  void SetText(std::string_view text, const std::function<bool(int)>& press = {});
  // Takes a single number written with the locale's separators (grouping
  // separators, sign and exponent allowed) as the new entry, exactly, as
  // memory recall does. Returns false and changes nothing when `text` is not
  // one number.
  bool EnterNumber(std::string_view text);

  // The button a typed character stands for, 0 for none. `character` is one
  // UTF-8 character; control characters stand for Backspace, Esc and the
  // Ctrl+L/R/P/S memory keys.
  int ButtonForCharacter(std::string_view character) const;

  const std::string& DisplayText() const { return display_; }
  long double Accumulator() const { return accumulator_; }
  long double EntryValue() const { return entryValue_; }
  const std::string& EntryText() const { return entryText_; }
  long double Memory() const { return memory_; }
  int PendingOperation() const { return pending_; }
  int LastButton() const { return lastButton_; }
  unsigned StateFlags() const { return flags_; }
  bool InError() const { return (flags_ & sfError) != 0; }

 private:
  void PressEffect(int code);
  void ApplyPending();
  void TypeDigit(int digit);
  void TypeDecimal();
  void Back();
  void Percent();
  void ShowValue(long double value);
  void ShowError();
  long double ReadEntry(std::string_view text) const;
  void TypeCharacters(std::string_view text, bool filter, const std::function<bool(int)>& press);

  std::function<void()> beep_;
  std::string decimal_ = ".";
  std::string grouping_ = ",";
  long double accumulator_ = 0;
  long double entryValue_ = 0;
  std::string entryText_ = "0";
  long double memory_ = 0;
  int pending_ = cbEquals;
  int lastButton_ = cbEquals;
  unsigned flags_ = sfOperandReady | sfNewEntry;
  std::string display_ = "0 ";
};

// Splits UTF-8 text into characters (a malformed byte counts as one).
std::size_t Utf8CharacterLength(std::string_view text, std::size_t at);

}  // namespace meridex
