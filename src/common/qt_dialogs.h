#pragma once

#include <memory>

#include "common/dialogs.h"

class QMessageBox;

namespace meridex {

// The message box for one message: owned by the active window of the
// program, and with the stay-on-top style while a shown window of the
// program has it (the city list kept on top), so that the box is never
// hidden behind a window of its own program.
std::unique_ptr<QMessageBox> MakeMessageBox(DialogKind kind, const std::string& text);

// Message boxes with QMessageBox, modal, made by MakeMessageBox.
class QtDialogs final : public Dialogs {
 public:
  void show(DialogKind kind, const std::string& text) override;
};

}  // namespace meridex
