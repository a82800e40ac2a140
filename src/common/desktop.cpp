#include "common/desktop.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QFont>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QString>
#include <cmath>

#include "common/font_families.h"
#include "common/screen_density.h"

namespace meridex {

namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool IsEditField(const QObject* object) {
  return qobject_cast<const QLineEdit*>(object) != nullptr ||
         qobject_cast<const QAbstractSpinBox*>(object) != nullptr;
}

// An edit field would insert the letter of an Alt+letter that no menu
// claimed; the user pressed a mnemonic, not a character. AltGr (a group
// switch, not Alt) still types its characters.
class AltLetterGuard final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !IsEditField(watched)) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers();
    const bool altOnly = mods.testFlag(Qt::AltModifier) && !mods.testFlag(Qt::ControlModifier) &&
                         !mods.testFlag(Qt::MetaModifier);
    return altOnly && !key->text().isEmpty() && key->text().at(0).isPrint();
  }
};

}  // namespace

void InstallFontSubstitutions() {
  for (const FontStandIn& s : FontStandIns()) {
    QFont::insertSubstitution(ToQString(s.family), ToQString(s.standIn));
  }
}

QFont DesignFont() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPointSize(8);
  return font;
}

void SetUpDesktop(QApplication& app) {
  InstallFontSubstitutions();
  // Without a class name this also drops the fonts a desktop theme sets for
  // single classes (menus, message boxes), so the one face holds everywhere.
  QApplication::setFont(DesignFont());
  app.installEventFilter(new AltLetterGuard(&app));
}

int ScreenPixelsPerInch() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInchY()))
                : kStandardPixelsPerInch;
}

}  // namespace meridex
