#pragma once

namespace meridex {

// Makes the font families the windows are designed with resolve to their
// installed stand-ins (see font_families.h). Called once at start-up.
void InstallFontSubstitutions();

// The primary screen's logical pixels per inch, rounded; the standard
// density when there is no screen.
int ScreenPixelsPerInch();

}  // namespace meridex
