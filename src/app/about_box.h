#pragma once

#include <QDialog>

#include "common/app_context.h"

namespace meridex {

// The About box: the product picture, the version, the makers' address and
// a link to their web page.
class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(AppContext& ctx, QWidget* parent = nullptr);
};

}  // namespace meridex
