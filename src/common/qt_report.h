#pragma once

#include <functional>

#include "common/report.h"

class QAbstractButton;
class QAction;
class QMenu;
class QString;

namespace meridex {

// Connects a handler to a menu item or a button the way every window does:
// it runs reported (RunReported), and a failure is named by the item's
// caption (a button's tool tip where it has one, as for the "?" buttons).
void ConnectReported(QAction* action, Dialogs& dialogs, std::function<void()> handler);
void ConnectReported(QAbstractButton* button, Dialogs& dialogs, std::function<void()> handler);

// Adds a menu item with a handler connected as above.
QAction* AddReportedAction(QMenu* menu, const QString& caption, Dialogs& dialogs,
                           std::function<void()> handler);

}  // namespace meridex
