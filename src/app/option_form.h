#pragma once

#include <QDialog>

#include "common/app_context.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace meridex {

// The options window: the window to start with and whether the city list
// stays on top, saved into the preferences file.
class TOptionForm : public QDialog {
  Q_OBJECT
 public:
  explicit TOptionForm(AppContext& ctx, QWidget* parent = nullptr);

  void FormCreate();
  void BitBtn1Click();  // "Save"

  QRadioButton* RB1;  // "All Cities List"  -> "a"
  QRadioButton* RB2;  // "Unit Conversions " -> "b"
  QRadioButton* RB3;  // "Cities Hot List"  -> "c"
  QRadioButton* RB4;  // "World Map View"   -> "d"
  QCheckBox* CB1;     // "Keep List On Top"
  QPushButton* BitBtn1;
  QPushButton* BitBtn3;

 private:
  // "Keep List On Top" is offered only for the two city list views.
  void applyKeepOnTopRule();
  std::string selectedLetter() const;

  AppContext& ctx_;
  QGroupBox* RadioGroup1;
};

}  // namespace meridex
