#pragma once

#include <QDialog>

namespace meridex {

class TForeWiz : public QDialog {
  Q_OBJECT
 public:
  explicit TForeWiz(QWidget* parent = nullptr);
};

}  // namespace meridex
