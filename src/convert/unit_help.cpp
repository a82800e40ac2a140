#include "convert/unit_help.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "common/help_page.h"
#include "common/screen_density.h"
#include "common/window_style.h"

namespace meridex {

namespace {

constexpr const char* kLines[] = {
    "To use the \"Unit Conversion\" feature follow these steps",
    "1. Select the appropiate tab for unit type you wish to convert (i.e. Temperature).",
    "2. Click within the edit field of the unit you wish to convert from.",
    "3. Enter in the desired number or value that needs to be converted.",
    "4. Either press the Enter key or the \"Convert\" button to convert your value.",
    "Use the \"Clear\" button to clear out all the edit fields.",
    "To move a value into the calculator, click on the value and press \"F1\" or",
    "the \"Copy to Calculator\" menu selection under \"Edit\" in the main menu.",
};

// Lines after which a little space separates the title, the steps and the
// two notes.
constexpr std::size_t kBlockEnds[] = {0, 4, 5};

}  // namespace

TUnitHelp::TUnitHelp(AppContext& ctx, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName("UnitHelp");
  setWindowTitle("Unit Conversion Help");
  setModal(false);
  QFont font("MS Sans Serif");
  font.setPointSize(8);
  setFont(font);
  StyleHelpPage(*this);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(10, 10, 10, 10);
  column->setSpacing(3);
  for (std::size_t i = 0; i < std::size(kLines); ++i) {
    auto* label = new QLabel(QString::fromLatin1(kLines[i]), this);
    label->setWordWrap(true);
    column->addWidget(label);
    Lines.append(label);
    if (std::find(std::begin(kBlockEnds), std::end(kBlockEnds), i) != std::end(kBlockEnds)) {
      column->addSpacing(10);
    }
  }
  column->addStretch();
  StyleHelpTitle(*Lines.front(), font);

  OKBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "OK", this);
  OKBtn->setObjectName("OKBtn");
  OKBtn->setDefault(true);
  OKBtn->setFixedSize(75, 26);
  column->addWidget(OKBtn, 0, Qt::AlignHCenter);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::close);
  const int ppi = ctx.pixelsPerInch();
  FixSizeToFit(*this, QSize(AtDensity(393, ppi), AtDensity(257, ppi)));
}

}  // namespace meridex
