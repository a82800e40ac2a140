#include "app/about_box.h"

#include <QHBoxLayout>
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

class Picture : public QWidget {
 public:
  explicit Picture(QWidget* parent) : QWidget(parent) { setFixedSize(340, 150); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    PaintProductPicture(p, rect());
  }
};

QString HomePageLine(const std::string& homePage) {
  if (homePage.empty()) return "The home page is not installed.";
  const QUrl url(QString::fromStdString(homePage));
  const QString shown = url.isLocalFile() ? url.toLocalFile() : url.toString();
  return QString("Home page: <a href=\"%1\">%2</a>")
      .arg(url.toString(QUrl::FullyEncoded).toHtmlEscaped(), shown.toHtmlEscaped());
}

QString DescriptionText(const std::string& homePage) {
  return QString(
             "<p>World time and measures for the Linux desktop.</p>"
             "<p>Made by the Meridex team. Questions, bug reports and suggestions reach the "
             "team through the project's issue tracker.<br>%1</p>"
             "<p>Meridex is free software under the GNU General Public License, version 3 or "
             "later, and comes with no warranty.</p>"
             "<p>Cities from Natural Earth (public domain), GeoNames and SimpleMaps (CC BY 4.0); "
             "time-zone rules from the IANA time zone database (public domain); map outlines "
             "from Natural Earth.</p>")
      .arg(HomePageLine(homePage));
}

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

TAboutBox::TAboutBox(AppContext& ctx, std::string homePage, QWidget* parent)
    : QDialog(parent), ctx_(ctx), homePage_(std::move(homePage)) {
  setObjectName("AboutBox");
  setWindowTitle("About Meridex");
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(new Picture(this), 0, Qt::AlignHCenter);
  layout->addWidget(MakeCaption("Meridex", this, TEsAppearance::apRaised, 20));
  layout->addWidget(MakeCaption(kVersionText, this, TEsAppearance::apSunken, 11));

  Description = new QLabel(DescriptionText(homePage_), this);
  Description->setObjectName("Description");
  Description->setTextFormat(Qt::RichText);
  Description->setWordWrap(true);
  Description->setAlignment(Qt::AlignHCenter);
  Description->setFixedWidth(400);
  Description->setTextInteractionFlags(Qt::TextBrowserInteraction);
  connect(Description, &QLabel::linkActivated, this,
          Reported(ctx.dialogs, "the home page", [this] { openHomePage(); }));
  layout->addWidget(Description);

  WebButton = new QPushButton("Visit the &home page", this);
  WebButton->setEnabled(!homePage_.empty());
  ConnectReported(WebButton, ctx.dialogs, [this] { openHomePage(); });
  OKButton = new QPushButton("OK", this);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(WebButton);
  buttons->addStretch();
  buttons->addWidget(OKButton);
  layout->addLayout(buttons);
}

void TAboutBox::openHomePage() {
  if (homePage_.empty()) return;
  if (!ctx_.shell.openWebPage(homePage_)) {
    ctx_.dialogs.warning("Meridex cannot open its home page \"" + homePage_ +
                         "\": no program to show web pages is set up.");
  }
}

}  // namespace meridex
