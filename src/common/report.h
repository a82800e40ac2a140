#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "common/dialogs.h"
#include "common/errors.h"

namespace meridex {

// The one message for a failure that is not one of the program's own errors
// (an internal fault, memory running out): it names the action that failed,
// e.g. Could not complete "Save Hot List": an internal error occurred.
std::string InternalErrorMessage(std::string_view action);

// An action named by the caption of its menu item or button: "Save Hot List"
// in quotes, without the shortcut marker (&).
std::string CommandAction(std::string_view caption);

// Runs an event handler the way the program runs all of them: an error that
// leaves the handler is shown in an error box and the program goes on. The
// program's own errors (AppError) show their text, which is written for the
// user; anything else shows InternalErrorMessage(action), never the text of
// an internal exception. Returns false when the handler stopped on an error.
template <class Handler>
bool RunReported(Dialogs& dialogs, std::string_view action, Handler&& handler) {
  try {
    std::forward<Handler>(handler)();
    return true;
  } catch (const AppError& e) {
    dialogs.error(e.what());
  } catch (...) {
    dialogs.error(InternalErrorMessage(action));
  }
  return false;
}

// The same as a callable, for connecting a handler to a signal.
inline std::function<void()> Reported(Dialogs& dialogs, std::string action,
                                      std::function<void()> handler) {
  return [&dialogs, action = std::move(action), handler = std::move(handler)] {
    RunReported(dialogs, action, handler);
  };
}

// A failure that comes back at every repetition of an action (a save on
// every switch between windows, a refresh every minute) is shown once: the
// next one is shown only after the action has succeeded again. Otherwise the
// box would come up at each repetition, and since a box takes the focus and
// giving the focus back repeats some actions, it might never stop.
class RepeatedFailure {
 public:
  // Runs `action` as RunReported does, but keeps quiet about a failure while
  // the one before is still unresolved. Returns false when it failed.
  template <class Action>
  bool run(Dialogs& dialogs, std::string_view what, Action&& action) {
    // Also quiet while a failure of this action is being shown: the box
    // takes the focus, and losing it may run the action again.
    Reporting shown(failing_ || reporting_ ? silent_ : dialogs, reporting_);
    return finish(RunReported(shown, what, std::forward<Action>(action)));
  }
  // Runs `action` at the user's own request: its failure is always shown.
  template <class Action>
  bool runAsked(Dialogs& dialogs, std::string_view what, Action&& action) {
    Reporting shown(reporting_ ? silent_ : dialogs, reporting_);
    return finish(RunReported(shown, what, std::forward<Action>(action)));
  }
  bool failing() const { return failing_; }

 private:
  class Silent final : public Dialogs {
   public:
    void show(DialogKind, const std::string&) override {}
  };
  // Passes the boxes on, noting while one is up.
  class Reporting final : public Dialogs {
   public:
    Reporting(Dialogs& to, bool& reporting) : to_(to), reporting_(reporting) {}
    void show(DialogKind kind, const std::string& text) override {
      reporting_ = true;
      to_.show(kind, text);
      reporting_ = false;
    }

   private:
    Dialogs& to_;
    bool& reporting_;
  };
  bool finish(bool succeeded) {
    failing_ = !succeeded;
    return succeeded;
  }
  Silent silent_;
  bool failing_ = false;
  bool reporting_ = false;
};

}  // namespace meridex
