#include "globe/globe_exception.h"

#include <cstdarg>
#include <cstdio>

namespace meridex {

namespace {

std::string VFormat(const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (n <= 0) return {};
  std::string text(static_cast<std::size_t>(n) + 1, '\0');
  std::vsnprintf(text.data(), text.size(), format, args);
  text.resize(static_cast<std::size_t>(n));
  return text;
}

}  // namespace

std::string FormatText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = VFormat(format, args);
  va_end(args);
  return text;
}

EGlobeException EGlobeException::Fmt(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = VFormat(format, args);
  va_end(args);
  return EGlobeException(text);
}

EListError::EListError(long long index)
    : AppError(FormatText("List index out of bounds (%lld)", index)) {}

}  // namespace meridex
