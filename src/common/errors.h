#pragma once

#include <stdexcept>
#include <string>

namespace meridex {

// Every error the program reports to the user is an AppError; its what() is
// the text shown in the message box.
class AppError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file could not be opened, read or written. The message names the file.
class IoError : public AppError {
 public:
  using AppError::AppError;
};

// A text or date that does not convert (an invalid time of day, a day that
// does not exist in its month).
class ConversionError : public AppError {
 public:
  using AppError::AppError;
};

}  // namespace meridex
