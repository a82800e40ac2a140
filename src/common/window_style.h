#pragma once

// The windows' sizes depend on the screen density; windows that set their
// style usually size themselves too.
#include "common/screen_density.h"

class QWidget;

namespace meridex {

// Gives a top-level window the stay-on-top or the normal style, keeping it
// shown when it was shown.
void SetStaysOnTop(QWidget& window, bool onTop);
bool StaysOnTop(const QWidget& window);

// Shows a window and brings it to the front; nothing for a null window.
void Present(QWidget* window);

}  // namespace meridex
