#pragma once

#include "app/version.h"

class QPainter;
class QRect;

namespace meridex {

// The product picture of the splash and the About box: a night-blue field
// with a lit globe and the program's name.
void PaintProductPicture(QPainter& painter, const QRect& area);

}  // namespace meridex
