#pragma once

class QPainter;
class QRect;

namespace meridex {

inline constexpr const char* kVersionText = "Version 1.22";

// The product picture of the splash and the About box: a night-blue field
// with a lit globe and the program's name.
void PaintProductPicture(QPainter& painter, const QRect& area);

}  // namespace meridex
