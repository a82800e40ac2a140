#pragma once

#include <QDialog>

#include "common/app_context.h"

class QLabel;
class QPushButton;

namespace meridex {

// The map view help window: how to use the world view, in a few fixed
// lines, with a way on to the help page. Modeless; created once and shown
// again and again.
class TMapViewHelp : public QDialog {
  Q_OBJECT
 public:
  explicit TMapViewHelp(AppContext& ctx, QWidget* parent = nullptr);

  QList<QLabel*> Lines;            // the static texts, top to bottom
  QPushButton* BitBtn1 = nullptr;  // "Close"
  QPushButton* HelpPage = nullptr;
};

}  // namespace meridex
