#include "support/text_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>

#include "widgets/es_label.h"

namespace meridex::test {

namespace {

std::string Describe(const QWidget& w, const QString& text, QSize needs, QSize has) {
  const QString name =
      w.objectName().isEmpty() ? QString(w.metaObject()->className()) : w.objectName();
  return QString("%1: \"%2\" (needs %3 x %4, has %5 x %6)")
      .arg(name, text)
      .arg(needs.width())
      .arg(needs.height())
      .arg(has.width())
      .arg(has.height())
      .toStdString();
}

// The text as drawn: a single & marks the mnemonic and takes no room.
QString Shown(const QString& text) {
  QString shown = text;
  shown.replace("&&", QChar(0x1)).remove('&').replace(QChar(0x1), "&");
  return shown;
}

QSize TextSize(const QFontMetrics& fm, const QString& text) {
  return fm.size(Qt::TextSingleLine | Qt::TextShowMnemonic, text);
}

void CheckLabel(const QLabel& label, std::vector<std::string>& out) {
  if (label.text().isEmpty()) return;
  const QSize has = label.size();
  if (auto* es = qobject_cast<const TEsCustomLabel*>(&label)) {
    if (es->WordWrap()) return;  // wraps within its own box
    const QSize needs = es->sizeHint();
    if (needs.width() > has.width() || needs.height() > has.height()) {
      out.push_back(Describe(label, label.text(), needs, has));
    }
    return;
  }
  if (label.wordWrap()) {
    const int needs = label.heightForWidth(has.width());
    if (needs > has.height()) {
      out.push_back(Describe(label, label.text(), {has.width(), needs}, has));
    }
    return;
  }
  const QSize needs = label.sizeHint();
  if (needs.width() > has.width() || label.fontMetrics().height() > has.height()) {
    out.push_back(Describe(label, label.text(), needs, has));
  }
}

void CheckPushButton(const QPushButton& button, std::vector<std::string>& out) {
  if (button.text().isEmpty()) return;
  QStyleOptionButton opt;
  opt.initFrom(&button);
  opt.text = button.text();
  opt.icon = button.icon();
  opt.iconSize = button.iconSize();
  const QRect room = button.style()->subElementRect(QStyle::SE_PushButtonContents, &opt, &button);
  QSize needs = TextSize(button.fontMetrics(), button.text());
  if (!button.icon().isNull()) needs.rwidth() += button.iconSize().width() + 4;
  if (needs.width() > room.width() || needs.height() > room.height()) {
    out.push_back(Describe(button, Shown(button.text()), needs, room.size()));
  }
}

// A check or radio box: the indicator, its spacing and the text.
void CheckIndicatorButton(const QAbstractButton& button, std::vector<std::string>& out) {
  if (button.text().isEmpty()) return;
  const QSize needs = button.sizeHint();
  const QSize has = button.size();
  if (needs.width() > has.width() || button.fontMetrics().height() > has.height()) {
    out.push_back(Describe(button, Shown(button.text()), needs, has));
  }
}

void CheckGroupBox(const QGroupBox& box, std::vector<std::string>& out) {
  if (box.title().isEmpty()) return;
  QStyleOptionGroupBox opt;
  opt.initFrom(&box);
  opt.text = box.title();
  opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
  opt.lineWidth = 1;
  const QRect frame =
      box.style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxFrame, &box);
  const QSize needs = TextSize(box.fontMetrics(), box.title()) + QSize(16, 0);  // inset both sides
  if (needs.width() > frame.width()) {
    out.push_back(Describe(box, Shown(box.title()), needs, frame.size()));
  }
}

void CheckComboBox(const QComboBox& combo, std::vector<std::string>& out) {
  QStyleOptionComboBox opt;
  opt.initFrom(&combo);
  opt.editable = combo.isEditable();
  const QRect field = combo.style()->subControlRect(QStyle::CC_ComboBox, &opt,
                                                    QStyle::SC_ComboBoxEditField, &combo);
  for (int i = 0; i < combo.count(); ++i) {
    const QString text = combo.itemText(i);
    const QSize needs = TextSize(combo.fontMetrics(), text);
    if (needs.width() > field.width()) {
      out.push_back(Describe(combo, text, needs, field.size()));
    }
  }
}

}  // namespace

std::vector<std::string> ClippedTexts(QWidget& window) {
  if (window.layout()) window.layout()->activate();
  std::vector<std::string> out;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&window) || w->window() != &window) continue;
    if (auto* label = qobject_cast<QLabel*>(w)) {
      CheckLabel(*label, out);
    } else if (auto* push = qobject_cast<QPushButton*>(w)) {
      CheckPushButton(*push, out);
    } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
      CheckIndicatorButton(*static_cast<QAbstractButton*>(w), out);
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
      CheckGroupBox(*box, out);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
      CheckComboBox(*combo, out);
    }
  }
  return out;
}

}  // namespace meridex::test
