#include "common/qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace meridex {

void QtDialogs::show(DialogKind kind, const std::string& text) {
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
  QMessageBox box(icon, caption, QString::fromStdString(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

}  // namespace meridex
