#pragma once

#include <string>

namespace meridex {

enum class DialogKind {
  Plain,        // a message with the program's title and no icon
  Information,  // information icon, "OK"
  Warning,      // warning icon, "OK"
  Error,        // error icon, "OK"
};

// Modal message boxes. Windows never open a message box themselves; they go
// through this interface so that tests can record what the user would see.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void show(DialogKind kind, const std::string& text) = 0;

  void plain(const std::string& text) { show(DialogKind::Plain, text); }
  void information(const std::string& text) { show(DialogKind::Information, text); }
  void warning(const std::string& text) { show(DialogKind::Warning, text); }
  void error(const std::string& text) { show(DialogKind::Error, text); }
};

}  // namespace meridex
