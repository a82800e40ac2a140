#pragma once

class QApplication;
class QFont;

namespace meridex {

// Makes the font families the windows are designed with resolve to their
// installed stand-ins (see font_families.h).
void InstallFontSubstitutions();

// The face every window, wizard and message box is drawn in unless a control
// asks for its own: "MS Sans Serif" at 8 points, which resolves to its
// metric-compatible stand-in, so every caption gets the room it was laid out
// for.
QFont DesignFont();

// What every window of the program shares, set once at start-up before any
// window exists: the font substitutions, DesignFont() as the application's
// font (for every class of widget), and a guard that keeps Alt+letter from
// typing into edit fields: a key with Alt is a menu mnemonic or nothing.
void SetUpDesktop(QApplication& app);

// The primary screen's logical pixels per inch, rounded; the standard
// density when there is no screen.
int ScreenPixelsPerInch();

}  // namespace meridex
