#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/dialogs.h"

namespace meridex::test {

// Records every message box instead of showing it.
class RecordingDialogs final : public Dialogs {
 public:
  struct Shown {
    DialogKind kind;
    std::string text;
  };

  void show(DialogKind kind, const std::string& text) override {
    shown.push_back({kind, text});
    // A real box takes the focus from the window behind it, once.
    if (whileShown && !inShow_) {
      inShow_ = true;
      whileShown(shown.back());
      inShow_ = false;
    }
  }

  std::string lastText() const { return shown.empty() ? std::string() : shown.back().text; }
  void clear() { shown.clear(); }

  std::vector<Shown> shown;
  // Run while each box is up, to see what is on the screen then or to do what
  // happens behind it (for example: the window behind it deactivates).
  std::function<void(const Shown&)> whileShown;

 private:
  bool inShow_ = false;
};

}  // namespace meridex::test
