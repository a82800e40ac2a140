#include "common/qt_report.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>

namespace meridex {

void ConnectReported(QAction* action, Dialogs& dialogs, std::function<void()> handler) {
  QObject::connect(
      action, &QAction::triggered, action,
      Reported(dialogs, CommandAction(action->text().toStdString()), std::move(handler)));
}

void ConnectReported(QAbstractButton* button, Dialogs& dialogs, std::function<void()> handler) {
  const QString caption = button->toolTip().isEmpty() ? button->text() : button->toolTip();
  QObject::connect(button, &QAbstractButton::clicked, button,
                   Reported(dialogs, CommandAction(caption.toStdString()), std::move(handler)));
}

QAction* AddReportedAction(QMenu* menu, const QString& caption, Dialogs& dialogs,
                           std::function<void()> handler) {
  QAction* action = menu->addAction(caption);
  ConnectReported(action, dialogs, std::move(handler));
  return action;
}

}  // namespace meridex
