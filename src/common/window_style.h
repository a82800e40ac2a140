#pragma once

class QWidget;

namespace meridex {

// Gives a top-level window the stay-on-top or the normal style, keeping it
// shown when it was shown.
void SetStaysOnTop(QWidget& window, bool onTop);
bool StaysOnTop(const QWidget& window);

// True when the screen's logical density is the 96 pixels per inch that the
// windows' design sizes assume.
inline bool IsStandardDensity(int pixelsPerInch) { return pixelsPerInch == 96; }

}  // namespace meridex

namespace meridex {

// Maps the font families the windows are designed with onto installed
// metric-compatible ones.
void InstallFontSubstitutions();

// The primary screen's logical pixels per inch, rounded.
int ScreenPixelsPerInch();

}  // namespace meridex
