#include "app/option_form.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "common/qt_report.h"
#include "common/screen_density.h"
#include "common/user_preferences.h"

namespace meridex {

TOptionForm::TOptionForm(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
  setObjectName("OptionForm");
  setWindowTitle("Options");
  // Laid out for the standard density; the texts grow with the density, and
  // so does the room for them.
  const int ppi = ctx_.pixelsPerInch();
  const auto at = [ppi](int x, int y, int w, int h) {
    return QRect(AtDensity(x, ppi), AtDensity(y, ppi), AtDensity(w, ppi), AtDensity(h, ppi));
  };
  setFixedSize(AtDensity(254, ppi), AtDensity(170, ppi));

  RadioGroup1 = new QGroupBox("Start Application With", this);
  RadioGroup1->setGeometry(at(8, 8, 150, 110));
  RB1 = new QRadioButton("All Cities List", RadioGroup1);
  RB3 = new QRadioButton("Cities Hot List", RadioGroup1);
  RB2 = new QRadioButton("Unit Conversions ", RadioGroup1);
  RB4 = new QRadioButton("World Map View", RadioGroup1);
  auto* radios = new QVBoxLayout(RadioGroup1);
  for (QRadioButton* rb : {RB1, RB3, RB2, RB4}) {
    radios->addWidget(rb);
    connect(rb, &QRadioButton::toggled, this, [this](bool on) {
      if (on)
        RunReported(ctx_.dialogs, "the choice of a start view", [this] { applyKeepOnTopRule(); });
    });
  }
  CB1 = new QCheckBox("Keep List On Top", this);
  CB1->setGeometry(at(12, 124, 140, 20));
  RB1->setChecked(true);

  BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), "Save", this);
  BitBtn1->setGeometry(at(166, 16, 80, 26));
  BitBtn3 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), "Close", this);
  BitBtn3->setGeometry(at(166, 52, 80, 26));
  ConnectReported(BitBtn1, ctx_.dialogs, [this] { BitBtn1Click(); });
  connect(BitBtn3, &QPushButton::clicked, this, &QDialog::close);

  RunReported(ctx_.dialogs, "the loading of the options", [this] { FormCreate(); });
}

void TOptionForm::FormCreate() {
  CB1->setEnabled(false);
  const UserPreferences prefs = ReadUserPreferences(ctx_.workDir);
  if (prefs.StartupView == "a") RB1->setChecked(true);
  if (prefs.StartupView == "b") RB2->setChecked(true);
  if (prefs.StartupView == "c") RB3->setChecked(true);
  if (prefs.StartupView == "d") RB4->setChecked(true);
  applyKeepOnTopRule();
  if (prefs.StayOnTop == "a") CB1->setChecked(true);
  if (prefs.StayOnTop == "b") CB1->setChecked(false);
}

void TOptionForm::applyKeepOnTopRule() {
  const bool listView = RB1->isChecked() || RB3->isChecked();
  CB1->setVisible(listView);
  CB1->setEnabled(listView);
}

std::string TOptionForm::selectedLetter() const {
  if (RB2->isChecked()) return "b";
  if (RB3->isChecked()) return "c";
  if (RB4->isChecked()) return "d";
  return "a";
}

void TOptionForm::BitBtn1Click() {
  const std::string startView = selectedLetter();
  if (startView == "b" || startView == "d") CB1->setChecked(false);
  const bool onTop = CB1->isChecked();
  const std::string stayOnTop = onTop ? "a" : "b";
  ctx_.prefs.StayOnTop = stayOnTop;
  ctx_.shell.setCityListOnTop(onTop);
  WriteStartupPreferences(ctx_.workDir, startView, stayOnTop);
  ctx_.dialogs.information("Changes have been saved to file");
}

}  // namespace meridex
