#include "app/logo_form.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "app/product_picture.h"

namespace meridex {

TLogoForm::TLogoForm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName("LogoForm");
  setWindowTitle("Meridex");
  setFixedSize(425, 233);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }
}

void TLogoForm::paintEvent(QPaintEvent*) {
  QPainter p(this);
  PaintProductPicture(p, rect());
  QFont font("Arial");
  font.setPixelSize(13);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(rect().adjusted(0, 0, -12, -8), Qt::AlignRight | Qt::AlignBottom, kVersionText);
  painted_ = true;
}

}  // namespace meridex
