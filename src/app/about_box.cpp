#include "app/about_box.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/product_picture.h"
#include "common/qt_report.h"
#include "widgets/es_label.h"

namespace meridex {

namespace {

constexpr const char* kWebPage = "https://meridex.example.org/";

class Picture : public QWidget {
 public:
  explicit Picture(QWidget* parent) : QWidget(parent) { setFixedSize(340, 150); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    PaintProductPicture(p, rect());
  }
};

// A centred relief caption in bold Times New Roman; the raised one in the
// steel scheme, the engraved one in the default grey.
TEsLabel* MakeCaption(const char* text, QWidget* parent, TEsAppearance appearance, int points) {
  auto* caption = new TEsLabel(QString::fromLatin1(text), parent);
  if (appearance == TEsAppearance::apRaised) caption->setColorScheme(TEsColorScheme::csSteel);
  caption->setAppearance(appearance);
  QFont font = caption->font();
  font.setPointSize(points);
  font.setBold(true);
  caption->setFont(font);
  caption->setAlignment(TEsAlignment::taCenter);
  return caption;
}

}  // namespace

TAboutBox::TAboutBox(AppContext& ctx, QWidget* parent) : QDialog(parent) {
  setObjectName("AboutBox");
  setWindowTitle("About Meridex");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new Picture(this), 0, Qt::AlignHCenter);
  layout->addWidget(MakeCaption("Meridex", this, TEsAppearance::apRaised, 20));
  layout->addWidget(MakeCaption(kVersionText, this, TEsAppearance::apSunken, 11));
  auto* text = new QLabel(QString("World time, alarms, unit conversions and a world map.<br><br>"
                                  "The Meridex team<br>"
                                  "14 Meridian Lane, Greenwich Park<br>"
                                  "support@meridex.example.org"),
                          this);
  text->setAlignment(Qt::AlignHCenter);
  layout->addWidget(text);
  auto* web = new QPushButton("Visit our &web page", this);
  ConnectReported(web, ctx.dialogs,
                  [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebPage))); });
  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(web);
  buttons->addStretch();
  buttons->addWidget(ok);
  layout->addLayout(buttons);
}

}  // namespace meridex
