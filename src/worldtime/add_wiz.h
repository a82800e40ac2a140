#pragma once

#include <QDialog>

namespace meridex {

class TAddWiz : public QDialog {
  Q_OBJECT
 public:
  explicit TAddWiz(QWidget* parent = nullptr);
};

}  // namespace meridex
