#include "common/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace meridex {

QIcon LogoIcon() {
  QPixmap pixmap(24, 24);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient sea(QPointF(9, 8), 14);
  sea.setColorAt(0, QColor(130, 205, 255));
  sea.setColorAt(1, QColor(10, 70, 150));
  p.setPen(QPen(QColor(20, 40, 90), 1));
  p.setBrush(sea);
  p.drawEllipse(QRectF(2, 2, 20, 20));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(235, 245, 255, 170), 1));
  p.drawEllipse(QRectF(8, 2, 8, 20));
  p.drawLine(QPointF(2, 12), QPointF(22, 12));
  p.setPen(QPen(QColor(255, 200, 60), 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(12, 12), QPointF(12, 6));
  p.drawLine(QPointF(12, 12), QPointF(16, 14));
  return QIcon(pixmap);
}

QPixmap BellPixmap() {
  QPixmap pixmap(17, 17);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath bell;
  bell.moveTo(3, 13);
  bell.cubicTo(5, 11, 4, 3, 8.5, 3);
  bell.cubicTo(13, 3, 12, 11, 14, 13);
  bell.closeSubpath();
  p.setPen(QPen(QColor(120, 80, 0), 1));
  p.setBrush(QColor(250, 200, 40));
  p.drawPath(bell);
  p.setBrush(QColor(120, 80, 0));
  p.drawEllipse(QRectF(7, 13, 3, 3));
  p.drawRect(QRectF(8, 1, 1, 2));
  return pixmap;
}

}  // namespace meridex
