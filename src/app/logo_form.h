#pragma once

#include <QWidget>

namespace meridex {

// The splash shown while the windows are created: borderless, centred,
// 425 x 233, the product picture with the version near its bottom edge.
class TLogoForm : public QWidget {
  Q_OBJECT
 public:
  explicit TLogoForm(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace meridex
