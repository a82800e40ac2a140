#pragma once

#include <QIcon>
#include <QPixmap>

namespace meridex {

// The small globe of the logo buttons that open the About box.
QIcon LogoIcon();
// The bell shown while an alarm is set (17 x 17).
QPixmap BellPixmap();

}  // namespace meridex
