#include "app/help_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "common/qt_report.h"

namespace meridex {

THelpWindow::THelpWindow(Dialogs& dialogs, std::filesystem::path helpDir, QWidget* parent)
    : QWidget(parent, Qt::Window), helpDir_(std::move(helpDir)), browser_(new QTextBrowser(this)) {
  setObjectName("HelpWindow");
  setWindowTitle("Meridex Help");
  resize(560, 480);
  browser_->setOpenExternalLinks(true);
  browser_->setSearchPaths({QString::fromStdString(helpDir_.string())});

  auto* index = new QPushButton("&Index", this);
  auto* back = new QPushButton("&Back", this);
  auto* close = new QPushButton("&Close", this);
  ConnectReported(index, dialogs, [this] { showPage({}); });
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  back->setEnabled(false);
  auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(shortcut, &QShortcut::activated, this, &QWidget::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(index);
  buttons->addWidget(back);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_);
}

void THelpWindow::showPage(const std::string& page) {
  const std::string name = page.empty() ? "index.html" : page;
  const std::filesystem::path file = helpDir_ / name;
  if (std::filesystem::exists(file)) {
    browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
  } else {
    browser_->setHtml(
        QString("<h2>Help page missing</h2><p>The help page <b>%1</b> was not found in "
                "<tt>%2</tt>.</p>")
            .arg(QString::fromStdString(name).toHtmlEscaped(),
                 QString::fromStdString(helpDir_.string()).toHtmlEscaped()));
  }
}

QString THelpWindow::pageTitle() const { return browser_->documentTitle(); }

}  // namespace meridex
