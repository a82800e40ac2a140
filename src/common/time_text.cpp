#include "common/time_text.h"

#include <cctype>
#include <cstdio>

#include "common/errors.h"

namespace meridex {

std::string FormatTime12(TimeOfDay time) {
  const int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d %c", hour12, time.minute, time.hour < 12 ? 'a' : 'p');
  return text;
}

namespace {

class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  void skipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '_')) ++pos_;
  }
  bool number(int& value) {
    skipBlanks();
    const std::size_t start = pos_;
    value = 0;
    while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])) &&
           pos_ - start < 4) {
      value = value * 10 + (text_[pos_] - '0');
      ++pos_;
    }
    return pos_ > start;
  }
  bool accept(char c) {
    skipBlanks();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  // 'A' for AM, 'P' for PM, 0 when neither follows.
  char meridiem() {
    skipBlanks();
    if (pos_ >= text_.size()) return 0;
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text_[pos_])));
    if (c != 'A' && c != 'P') return 0;
    ++pos_;
    if (pos_ < text_.size() && std::toupper(static_cast<unsigned char>(text_[pos_])) == 'M') ++pos_;
    return c;
  }
  bool done() {
    skipBlanks();
    return pos_ == text_.size();
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

TimeOfDay ParseTime12(std::string_view text) {
  const auto invalid = [&] {
    return ConversionError("'" + std::string(text) + "' is not a valid time");
  };
  Scanner scan(text);
  int hour = 0, minute = 0, second = 0;
  if (!scan.number(hour) || !scan.accept(':') || !scan.number(minute)) throw invalid();
  if (scan.accept(':') && !scan.number(second)) throw invalid();
  const char meridiem = scan.meridiem();
  if (!scan.done() || minute > 59 || second > 59) throw invalid();
  if (meridiem != 0) {
    if (hour == 0 || hour > 12) throw invalid();
    hour %= 12;
    if (meridiem == 'P') hour += 12;
  } else if (hour > 23) {
    throw invalid();
  }
  return TimeOfDay{hour, minute};
}

}  // namespace meridex
