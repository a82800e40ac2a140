#include "common/qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>

#include "common/window_style.h"

namespace meridex {

std::unique_ptr<QMessageBox> MakeMessageBox(DialogKind kind, const std::string& text) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString caption = QStringLiteral("Meridex");
  switch (kind) {
    case DialogKind::Plain:
      break;
    case DialogKind::Information:
      icon = QMessageBox::Information;
      caption = QStringLiteral("Information");
      break;
    case DialogKind::Warning:
      icon = QMessageBox::Warning;
      caption = QStringLiteral("Warning");
      break;
    case DialogKind::Error:
      icon = QMessageBox::Critical;
      caption = QStringLiteral("Error");
      break;
  }
  const bool aboveOnTop = AnyShownWindowStaysOnTop();
  auto box = std::make_unique<QMessageBox>(icon, caption, QString::fromStdString(text),
                                           QMessageBox::Ok, QApplication::activeWindow());
  if (aboveOnTop) box->setWindowFlag(Qt::WindowStaysOnTopHint, true);
  return box;
}

void QtDialogs::show(DialogKind kind, const std::string& text) {
  MakeMessageBox(kind, text)->exec();
}

}  // namespace meridex
