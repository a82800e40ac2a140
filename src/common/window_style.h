#pragma once

// The windows' sizes depend on the screen density; windows that set their
// style usually size themselves too.
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include "common/screen_density.h"

namespace meridex {

// Gives a top-level window the stay-on-top or the normal style, keeping it
// shown when it was shown.
void SetStaysOnTop(QWidget& window, bool onTop);
bool StaysOnTop(const QWidget& window);

// True while a shown window of the program has the stay-on-top style.
bool AnyShownWindowStaysOnTop();

// Fixes the size of a window laid out by its layout at `design`, grown to
// what the layout needs to show every control whole: texts grow with the
// font and the density, and a word-wrapped text with its lines.
void FixSizeToFit(QWidget& window, QSize design);

// Shows a window and brings it to the front; nothing for a null window.
void Present(QWidget* window);

// The window manager's frame around `window`: its own once it has been on
// the screen, before that the frame of another shown window of the program
// (they all get the same decoration), and none when no window has one yet.
QMargins FrameMarginsOf(const QWidget& window);

// While `anchor` has the stay-on-top style, every other window of the
// program shown is kept above it: it is made transient for the anchor, which
// window managers stack above their transient parent. Windows with a parent
// widget already have their owner, and menus and tool tips are left alone.
// Watches the whole application from construction to destruction.
class KeepAboveOnTop final : public QObject {
 public:
  explicit KeepAboveOnTop(QWidget& anchor);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> anchor_;
};

}  // namespace meridex
