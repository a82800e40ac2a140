#include "worldtime/input_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

#include "worldtime/list_geometry.h"

namespace meridex {

InputPanel MakeInputPanel(QWidget* parent, const QString& caption, const QString& helpHint) {
  InputPanel p{};
  p.panel = new QWidget(parent);
  p.panel->setFixedHeight(kPanelHeight);
  p.edit = new QLineEdit(p.panel);
  p.help = new QToolButton(p.panel);
  p.help->setText("?");
  p.help->setToolTip(helpHint);
  p.next = new QPushButton("Next >>", p.panel);
  p.cancel = new QPushButton("Cancel", p.panel);
  p.finish = new QPushButton("Finish", p.panel);
  p.finish->setEnabled(false);
  auto* grid = new QGridLayout(p.panel);
  grid->setContentsMargins(9, 2, 4, 2);
  grid->setVerticalSpacing(2);
  grid->addWidget(new QLabel(caption, p.panel), 0, 0, 1, 3);
  grid->addWidget(p.edit, 1, 0, 1, 2);
  grid->addWidget(p.help, 1, 2);
  grid->addWidget(p.next, 2, 0);
  grid->addWidget(p.cancel, 2, 1);
  grid->addWidget(p.finish, 2, 2);
  for (auto* key : {new QShortcut(QKeySequence(Qt::Key_Escape), p.panel)}) {
    key->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(key, &QShortcut::activated, p.cancel, &QPushButton::click);
  }
  for (int enter : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* key = new QShortcut(QKeySequence(enter), p.panel);
    key->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(key, &QShortcut::activated, p.finish, [finish = p.finish] {
      if (finish->isEnabled()) finish->click();
    });
  }
  p.panel->hide();
  return p;
}

}  // namespace meridex
