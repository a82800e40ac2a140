#pragma once

#include <QImage>
#include <QWidget>

#include "common/dialogs.h"
#include "globe/globe_engine.h"
#include "globe/globe_window.h"

class QPainter;
class QScrollBar;

namespace meridex {

class TQtGlobeCanvas;

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// The globe control: TGlobeEngine shown in a widget. All it adds are the
// pixels: the cached picture as a QImage of the client size times the
// device pixel ratio, painted by one copy; the mouse, wheel, keyboard and
// resize events handed to the engine; the scroll bars; the hourglass
// cursor; the inverting zoom band; and message boxes through Dialogs.
// Everything else (properties, events, layers, the view) is the engine's.
//
// The client area is the widget less its scroll bars; engine coordinates
// are the widget's logical pixels.
class TGlobe : public QWidget, private TGlobeWindow, public TGlobeEngine {
  Q_OBJECT

 public:
  explicit TGlobe(Dialogs& dialogs, QWidget* parent = nullptr);
  ~TGlobe() override;

  // Tiled behind the globe instead of the Color; a null image removes it.
  void SetBackground(const QImage& image);
  const QImage& Background() const { return background_; }
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle style);

  // The painter of the picture being rendered: valid in OnRender only, for
  // drawing what TGlobeCanvas cannot (alignment, transparency). nullptr
  // outside.
  QPainter* RenderPainter() const;
  // The cached picture, in device pixels.
  const QImage& Picture() const { return picture_; }
  QRect ClientRect() const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // --- TGlobeWindow
  void Invalidate() override;
  void CopyToScreen() override;
  void ShowBusy(bool busy) override;
  void ShowMessage(const std::string& text) override;
  bool TileBackground(TGlobeCanvas& canvas, const TRect& clip) override;

  void LayoutScrollBars();
  void UpdateScrollBars();
  void ScrollAction(TScrollBarKind bar, int action);
  // A picture of the client size at the screen's pixel ratio.
  void MatchPicture();
  void DrawZoomBand(QPainter& painter) const;
  void DescribeForAccessibility();

  Dialogs& dialogs_;
  QImage picture_;
  QImage background_;
  TScrollStyle scrollBars_ = TScrollStyle::ssBoth;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
  QPainter* windowPainter_ = nullptr;  // during a paint event
  TQtGlobeCanvas* pictureCanvas_ = nullptr;
  bool pressedInside_ = false;  // for OnClick
  bool sized_ = false;          // the first resize event has come
};

}  // namespace meridex
