#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <optional>
#include <vector>

namespace meridex {

// Where a window's frame goes, all in screen pixels of frame rectangles.
// `available` is the screen's area without panels.
QPoint CentredFramePosition(QSize frame, const QRect& available);
// Moves a frame so that it lies on `available` (its top-left corner first
// when it is larger).
QPoint ClampedFramePosition(QPoint position, QSize frame, const QRect& available);
// Beside `anchor`: right of it, top edges aligned, else left of it, below
// any of `taken` that it would cover; on `available`.
QPoint BesideFramePosition(const QRect& anchor, QSize frame, const QRect& available,
                           const std::vector<QRect>& taken);

// Places the program's windows each time they are shown. Centred windows
// come up in the middle of the screen that holds the main window; a window
// kept in place comes back where the user left it (its first place given or
// left to the window manager); a guide comes up beside the window whose list
// it explains, off the rows the user is asked to click, unless the user has
// put it elsewhere. Every place is on a screen. Positions are frame
// positions, so hiding and showing never moves a window.
class WindowPlacer final : public QObject {
 public:
  // The first place of a window kept in place, from its frame size and the
  // available area of the main window's screen.
  using FirstPlace = QPoint (*)(QSize frame, const QRect& available);

  explicit WindowPlacer(QObject* parent = nullptr);

  void setMainWindow(QWidget* mainWindow) { main_ = mainWindow; }
  void centre(QWidget& window);
  void keepInPlace(QWidget& window, FirstPlace first = nullptr);
  void beside(QWidget& window, QWidget& anchor);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Rule { Centred, KeptInPlace, Beside };
  struct Placed {
    QPointer<QWidget> window;
    Rule rule;
    FirstPlace first = nullptr;
    QPointer<QWidget> anchor;
    std::optional<QPoint> placedAt;  // where this placer last put it
    std::optional<QPoint> leftAt;    // where it was when last seen on the screen
  };

  void add(QWidget& window, Rule rule, FirstPlace first, QWidget* anchor);
  Placed* find(const QObject* window);
  void place(Placed& p);
  std::optional<QPoint> target(const Placed& p, QSize frame, const QRect& available) const;
  QRect availableArea() const;
  std::vector<QRect> takenBeside(const Placed& p) const;

  QPointer<QWidget> main_;
  std::vector<Placed> windows_;
};

}  // namespace meridex
