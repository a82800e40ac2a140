#pragma once

#include <QDialog>

namespace meridex {

// The map view help window.
class TMapViewHelp : public QDialog {
  Q_OBJECT
 public:
  explicit TMapViewHelp(QWidget* parent = nullptr);
};

}  // namespace meridex
