#pragma once

#include <QWidget>

namespace meridex {

// The splash shown while the windows are created: borderless, centred,
// 425 x 233, the product picture with the version near its bottom edge.
class TLogoForm : public QWidget {
  Q_OBJECT
 public:
  explicit TLogoForm(QWidget* parent = nullptr);

  // True once the picture has been painted, so the user can see it.
  bool painted() const { return painted_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool painted_ = false;
};

}  // namespace meridex
