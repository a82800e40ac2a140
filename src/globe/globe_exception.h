#pragma once

#include <string>

#include "common/errors.h"

namespace meridex {

// The engine's exception. Its message is the text the user sees.
class EGlobeException : public AppError {
 public:
  using AppError::AppError;

  // Builds the message from a printf-style template.
  [[nodiscard]] static EGlobeException Fmt(const char* format, ...)
      __attribute__((format(printf, 1, 2)));
};

// Bad data inside a layer file's records; the layer loader turns it into a
// message that names the file.
class EGlobeDataError : public EGlobeException {
 public:
  using EGlobeException::EGlobeException;
};

// The data ends inside a record, or a count promises more than is left.
class EGlobeEndOfData : public EGlobeDataError {
 public:
  EGlobeEndOfData() : EGlobeDataError("Unexpected end of data") {}
};

// An index into a layer's attribute list that is not there. Kept apart from
// EGlobeException: a file that refers to a missing attribute is not one of the
// layer errors the globe reports and skips.
class EListError : public AppError {
 public:
  explicit EListError(long long index);
};

// printf-style formatting into a std::string.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace meridex
