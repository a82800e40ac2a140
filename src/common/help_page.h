#pragma once

class QFont;
class QLabel;
class QWidget;

namespace meridex {

// A small help window's page: black text on white.
void StyleHelpPage(QWidget& window);

// The title line of a small help window: the window's font, bold and
// underlined, centred, in blue.
void StyleHelpTitle(QLabel& title, const QFont& font);

}  // namespace meridex
