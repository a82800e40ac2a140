#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <string>
#include <vector>

#include "support/test_context.h"

namespace meridex::test {

// A menu caption as failure messages name it: without the shortcut marker.
inline std::string PlainCaption(const QAction* action) {
  return action->text().remove('&').trimmed().toStdString();
}

// Triggers every enabled command of the window's menus while every shell
// command fails. Each command that reached the shell must have shown exactly
// one error, the plain message naming the command, with nothing escaping.
// Returns the captions of the commands that reached the shell.
inline std::vector<std::string> TriggerEveryMenuCommandWhileTheShellFails(QWidget& window,
                                                                          TestContext& t) {
  t.shell.failing = true;
  std::vector<std::string> reached;
  for (QMenuBar* bar : window.findChildren<QMenuBar*>()) {
    for (QAction* menu : bar->actions()) {
      if (menu->menu() == nullptr) continue;
      for (QAction* item : menu->menu()->actions()) {
        if (item->isSeparator() || !item->isEnabled() || item->menu() != nullptr) continue;
        const std::size_t before = t.shell.calls.size();
        t.dialogs.clear();
        item->trigger();
        if (t.shell.calls.size() == before) continue;
        reached.push_back(PlainCaption(item));
        EXPECT_EQ(t.dialogs.shown.size(), 1u) << PlainCaption(item);
        if (t.dialogs.shown.empty()) continue;
        EXPECT_EQ(t.dialogs.shown.back().kind, DialogKind::Error);
        EXPECT_EQ(t.dialogs.shown.back().text,
                  "Could not complete \"" + PlainCaption(item) + "\": an internal error occurred.");
      }
    }
  }
  t.shell.failing = false;
  return reached;
}

}  // namespace meridex::test
