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
    if (whenShown) whenShown(shown.back());
  }

  std::string lastText() const { return shown.empty() ? std::string() : shown.back().text; }
  void clear() { shown.clear(); }

  std::vector<Shown> shown;
  // Called as each message box would come up, to see what is on the screen then.
  std::function<void(const Shown&)> whenShown;
};

}  // namespace meridex::test
