#pragma once

#include "common/dialogs.h"

namespace meridex {

// Message boxes with QMessageBox, over the active window.
class QtDialogs final : public Dialogs {
 public:
  void show(DialogKind kind, const std::string& text) override;
};

}  // namespace meridex
