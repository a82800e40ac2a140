#pragma once

class QFont;
class QLabel;

namespace meridex {

// The title line of a small help window: the window's font, bold and
// underlined, centred, in blue.
void StyleHelpTitle(QLabel& title, const QFont& font);

}  // namespace meridex
