#include "app/product_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace meridex {

void PaintProductPicture(QPainter& p, const QRect& area) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(area.topLeft(), area.bottomLeft());
  sky.setColorAt(0, QColor(8, 24, 64));
  sky.setColorAt(1, QColor(20, 70, 130));
  p.fillRect(area, sky);

  // The globe with its graticule, lit from the upper left.
  const int r = std::min(area.height(), area.width()) * 36 / 100;
  const QPointF c(area.left() + area.width() * 0.26, area.top() + area.height() * 0.46);
  QRadialGradient sea(c - QPointF(r * 0.35, r * 0.35), r * 1.3);
  sea.setColorAt(0, QColor(120, 200, 255));
  sea.setColorAt(1, QColor(10, 60, 140));
  p.setPen(QPen(QColor(200, 230, 255), 1.5));
  p.setBrush(sea);
  p.drawEllipse(c, r, r);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(220, 240, 255, 150), 1));
  for (int i = 1; i < 6; ++i) {
    const double a = i * M_PI / 6;
    p.drawEllipse(c, r * std::abs(std::cos(a)), r);  // meridians
    const double y = r * std::cos(a);
    const double w = r * std::sin(a);
    p.drawLine(QPointF(c.x() - w, c.y() - y), QPointF(c.x() + w, c.y() - y));  // parallels
  }

  // The name and the clock hands sweeping over the globe.
  p.setPen(QPen(QColor(255, 210, 80), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c, c + QPointF(0, -r * 0.7));
  p.drawLine(c, c + QPointF(r * 0.5, r * 0.2));
  QFont title("Times New Roman");
  title.setPixelSize(area.height() / 5);
  title.setBold(true);
  p.setFont(title);
  p.setPen(QColor(255, 255, 255));
  const QRect text(area.left() + area.width() * 50 / 100, area.top(), area.width() * 48 / 100,
                   area.height() * 60 / 100);
  p.drawText(text, Qt::AlignLeft | Qt::AlignBottom, "Meridex");
  QFont sub("Arial");
  sub.setPixelSize(std::max(10, area.height() / 16));
  p.setFont(sub);
  p.setPen(QColor(200, 225, 255));
  p.drawText(QRect(text.left(), text.bottom() + 4, text.width(), area.height() / 6),
             Qt::AlignLeft | Qt::AlignTop, "World time and measures");
  p.restore();
}

}  // namespace meridex
