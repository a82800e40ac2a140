#include "worldview/map_view_help.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "common/help_page.h"

namespace meridex {

namespace {

constexpr const char* kLines[] = {
    "Using the World Map View",
    "Pick a city from the \"Selected City\" list to locate it on the map. The information "
    "below the list changes to show the city's position, date and local time.",
    "Type part of a name into the field above the list to find a city quickly; Enter picks "
    "the first city listed.",
    "Zoom in and out with the (+) and (\u2212) buttons, or a little at a time with the up and "
    "down arrow buttons beside them. The world button shows the whole map again.",
    "To zoom into an area, draw a rectangle around it with the right mouse button, from its "
    "top left corner to its bottom right corner.",
    "Pan or turn the globe with the four rotation arrows, or drag it with the left mouse "
    "button. A click on the map selects the city or country under the pointer.",
    "The View menu switches between the globe and the Mercator and Cartesian maps, and turns "
    "the shading of the night side on and off.",
};

}  // namespace

TMapViewHelp::TMapViewHelp(AppContext& ctx, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName("MapViewHelp");
  setWindowTitle("Map View Help");
  setModal(false);
  QFont font("MS Sans Serif");
  font.setPixelSize(11);
  setFont(font);
  resize(451, 369);
  StyleHelpPage(*this);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(12, 10, 12, 10);
  column->setSpacing(6);
  for (const char* line : kLines) {
    auto* label = new QLabel(QString::fromUtf8(line), this);
    label->setWordWrap(true);
    column->addWidget(label);
    Lines.append(label);
  }
  column->addStretch();
  StyleHelpTitle(*Lines.front(), font);

  auto* buttons = new QHBoxLayout;
  HelpPage = new QPushButton(style()->standardIcon(QStyle::SP_DialogHelpButton), "More Help", this);
  HelpPage->setObjectName("HelpPage");
  BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), "Close", this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  buttons->addStretch();
  buttons->addWidget(HelpPage);
  buttons->addWidget(BitBtn1);
  buttons->addStretch();
  column->addLayout(buttons);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::close);
  connect(HelpPage, &QPushButton::clicked, this, [&ctx] { ctx.shell.showHelp("worldview.html"); });

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

}  // namespace meridex
