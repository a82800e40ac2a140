#pragma once

#include <exception>
#include <utility>

#include "common/dialogs.h"

namespace meridex {

// Runs an event handler the way the program runs all of them: an error that
// leaves the handler is shown in an error box and the program goes on.
// Returns false when the handler stopped on an error.
template <class Handler>
bool RunReported(Dialogs& dialogs, Handler&& handler) {
  try {
    std::forward<Handler>(handler)();
    return true;
  } catch (const std::exception& e) {
    dialogs.error(e.what());
    return false;
  }
}

}  // namespace meridex
