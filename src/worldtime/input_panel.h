#pragma once

#include <QString>

class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace meridex {

// One of the city list's bottom input panels: a caption, an edit field, a
// help button and "Next >>", "Cancel" (Esc) and "Finish" (Enter). The
// panel is 72 pixels high and hidden at first.
struct InputPanel {
  QWidget* panel;
  QLineEdit* edit;
  QToolButton* help;
  QPushButton* next;
  QPushButton* cancel;
  QPushButton* finish;
};

InputPanel MakeInputPanel(QWidget* parent, const QString& caption, const QString& helpHint);

}  // namespace meridex
