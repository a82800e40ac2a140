#pragma once

#include <QDialog>

#include "common/app_context.h"

class QLabel;
class QPushButton;

namespace meridex {

// The unit conversion help window: how to use the conversion window, in a
// few fixed lines. Modeless; created once and shown again and again.
class TUnitHelp : public QDialog {
  Q_OBJECT
 public:
  explicit TUnitHelp(AppContext& ctx, QWidget* parent = nullptr);

  // The static texts, top to bottom.
  QList<QLabel*> Lines;
  QPushButton* OKBtn = nullptr;
};

}  // namespace meridex
