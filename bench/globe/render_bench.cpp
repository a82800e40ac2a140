// The globe at 1024 x 768 with a generated map of 150,000 vertices, each
// measure beside its baseline in the same iteration, on this thread's CPU
// clock (so that the ratio does not drift with the load of a shared machine):
//   - a full render against raw QPainter drawing the same primitives,
//   - the render right after a zoom step against the same,
//   - a paint without a view change against a plain copy of the picture,
//   - one rotate-drag step (turn, render, copy), as a median.
// Beside them, the engine's own share (a canvas that draws nothing) and the
// engine's canvas replaying the same primitives (its cost over raw QPainter).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <variant>
#include <vector>

#include "bench_map.h"
#include "common/dialogs.h"
#include "globe/globe.h"
#include "globe/globe_engine.h"
#include "globe/globe_layer.h"
#include "globe/qt_globe_canvas.h"

namespace meridex {
namespace {

constexpr int kWidth = 1024, kHeight = 768;

double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

const bench::TBenchMap& Map() {
  static const bench::TBenchMap map;
  return map;
}

// Records what the globe draws, to draw the same with QPainter alone.
class TCapture : public TNullCanvas {
 public:
  using TNullCanvas::TNullCanvas;
  void SetPen(const TPenSpec& pen) override { calls.emplace_back(pen); }
  void SetPenColor(TColor color) override { calls.emplace_back(TPenSpec{color}); }
  void SetBrush(const TBrushSpec& brush) override { calls.emplace_back(brush); }
  void Polygon(const TPoint* p, int n) override { calls.emplace_back(Shape{true, Points(p, n)}); }
  void Polyline(const TPoint* p, int n) override { calls.emplace_back(Shape{false, Points(p, n)}); }
  void Ellipse(int x1, int y1, int x2, int y2) override {
    calls.emplace_back(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)).normalized());
  }
  void FillRect(const TRect& r) override {
    calls.emplace_back(Fill{QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top)});
  }

  struct Shape {
    bool closed;
    std::vector<QPoint> points;
  };
  struct Fill {
    QRect rect;
  };
  using Call = std::variant<TPenSpec, TBrushSpec, Shape, QRect, Fill>;
  std::vector<Call> calls;
  int points = 0;

 private:
  std::vector<QPoint> Points(const TPoint* p, int n) {
    points += n;
    std::vector<QPoint> q;
    q.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) q.emplace_back(p[i].X, p[i].Y);
    return q;
  }
};

// The captured primitives with plain QPainter calls (thin pens, solid
// brushes, no antialiasing), as a program would draw them by hand.
void DrawRaw(QImage& image, const TCapture& capture) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  QBrush brush(Qt::white);
  for (const TCapture::Call& call : capture.calls) {
    if (const auto* pen = std::get_if<TPenSpec>(&call)) {
      painter.setPen(QPen(ToQColor(pen->Color), 0));
    } else if (const auto* b = std::get_if<TBrushSpec>(&call)) {
      brush = QBrush(ToQColor(b->Color));
      painter.setBrush(brush);
    } else if (const auto* shape = std::get_if<TCapture::Shape>(&call)) {
      const int n = static_cast<int>(shape->points.size());
      if (shape->closed)
        painter.drawPolygon(shape->points.data(), n, Qt::OddEvenFill);
      else
        painter.drawPolyline(shape->points.data(), n);
    } else if (const auto* fill = std::get_if<TCapture::Fill>(&call)) {
      painter.fillRect(fill->rect, brush);
    } else {
      painter.drawEllipse(std::get<QRect>(call));
    }
  }
}

// The headless globe showing the map, with the primitives of its picture.
struct Scene {
  Scene() : image(kWidth, kHeight, QImage::Format_RGB32), raw(image) {
    globe.SetProfileName(Map().Profile().string());
  }
  TCapture Capture() {
    TCapture capture({0, 0, kWidth, kHeight});
    globe.Redraw();
    globe.Paint(capture);
    return capture;
  }
  void Render() {
    TQtGlobeCanvas canvas(image);
    globe.Paint(canvas);
  }

  TGlobeEngine globe{kWidth, kHeight};
  QImage image;
  QImage raw;
};

void Report(benchmark::State& state, double engine, double baseline, const char* baseName) {
  const double n = static_cast<double>(state.iterations());
  state.counters["engine_ms"] = engine / n * 1e3;
  state.counters[std::string(baseName) + "_ms"] = baseline / n * 1e3;
  state.counters["ratio"] = baseline > 0 ? engine / baseline : 0;
}

void BM_LoadProfile(benchmark::State& state) {
  for (auto _ : state) {
    TGlobeEngine globe(kWidth, kHeight);
    globe.SetProfileName(Map().Profile().string());
    benchmark::DoNotOptimize(globe.LayerCount());
  }
  state.SetItemsProcessed(state.iterations() * bench::TBenchMap::kVertices);
}

// A full render (background, disc, graticule, layers) as after a turn of
// the globe: every object re-tests its visibility and projects its kept
// earth coordinates.
void BM_FullRender(benchmark::State& state) {
  Scene s;
  const TCapture capture = s.Capture();
  double engine = 0, raw = 0;
  for (auto _ : state) {
    const double t0 = ThreadSeconds();
    s.globe.Redraw();
    s.Render();
    const double t1 = ThreadSeconds();
    DrawRaw(s.raw, capture);
    raw += ThreadSeconds() - t1;
    engine += t1 - t0;
  }
  Report(state, engine, raw, "raw");
  state.SetLabel(std::to_string(capture.points) + " points drawn");
}

// The render right after a zoom step, in and out in turn: every object
// recomputes its extent and picks its vertices for the new scale.
void BM_RenderAfterZoom(benchmark::State& state) {
  Scene s;
  const long double scales[2] = {s.globe.Scale() * 1.25L, s.globe.Scale() * 1.25L * 1.25L};
  TCapture captures[2];
  for (int i = 0; i < 2; ++i) {
    s.globe.SetScale(scales[i]);
    captures[i] = s.Capture();
  }
  double engine = 0, raw = 0;
  int step = 0;
  for (auto _ : state) {
    const int i = step++ % 2;
    const double t0 = ThreadSeconds();
    s.globe.SetScale(scales[i]);
    s.Render();
    const double t1 = ThreadSeconds();
    DrawRaw(s.raw, captures[i]);
    raw += ThreadSeconds() - t1;
    engine += t1 - t0;
  }
  Report(state, engine, raw, "raw");
}

// The engine's own work: the full render on a canvas that draws nothing.
void BM_EngineAlone(benchmark::State& state) {
  Scene s;
  TNullCanvas canvas({0, 0, kWidth, kHeight});
  for (auto _ : state) {
    s.globe.Redraw();
    s.globe.Paint(canvas);
  }
}

// The captured primitives through the engine's canvas, without the engine.
void BM_CanvasReplay(benchmark::State& state) {
  Scene s;
  const TCapture capture = s.Capture();
  double canvas = 0, raw = 0;
  for (auto _ : state) {
    const double t0 = ThreadSeconds();
    {
      TQtGlobeCanvas c(s.image);
      for (const TCapture::Call& call : capture.calls) {
        if (const auto* pen = std::get_if<TPenSpec>(&call)) {
          c.SetPen(*pen);
        } else if (const auto* b = std::get_if<TBrushSpec>(&call)) {
          c.SetBrush(*b);
        } else if (const auto* shape = std::get_if<TCapture::Shape>(&call)) {
          std::vector<TPoint> points;
          for (const QPoint& q : shape->points) points.push_back({q.x(), q.y()});
          if (shape->closed)
            c.Polygon(points.data(), static_cast<int>(points.size()));
          else
            c.Polyline(points.data(), static_cast<int>(points.size()));
        } else if (const auto* fill = std::get_if<TCapture::Fill>(&call)) {
          c.FillRect({fill->rect.left(), fill->rect.top(), fill->rect.right() + 1,
                      fill->rect.bottom() + 1});
        } else {
          const QRect r = std::get<QRect>(call);
          c.Ellipse(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
        }
      }
    }
    const double t1 = ThreadSeconds();
    DrawRaw(s.raw, capture);
    raw += ThreadSeconds() - t1;
    canvas += t1 - t0;
  }
  Report(state, canvas, raw, "raw");
}

// A widget that paints a picture by one copy, and nothing else.
class TPlainCopy : public QWidget {
 public:
  explicit TPlainCopy(const QImage& picture) : picture_(picture) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).drawImage(QPoint(0, 0), picture_);
    ++paints;
  }

 private:
  const QImage& picture_;
};

class TNoDialogs : public Dialogs {
 public:
  void show(DialogKind, const std::string&) override {}
};

struct WidgetScene {
  WidgetScene() : globe(dialogs) {
    globe.resize(kWidth, kHeight);
    globe.SetProfileName(Map().Profile().string());
    globe.OnPaint = [this] { ++paints; };
    globe.show();
    QApplication::processEvents();
    globe.repaint();  // renders the picture once
  }
  TNoDialogs dialogs;
  TGlobe globe;
  int paints = 0;
};

void BM_PaintUnchanged(benchmark::State& state) {
  WidgetScene s;
  TPlainCopy plain(s.globe.Picture());
  plain.resize(s.globe.ClientRect().size());
  plain.show();
  QApplication::processEvents();
  const int paints = s.paints, plainPaints = plain.paints;
  double engine = 0, copy = 0;
  for (auto _ : state) {
    const double t0 = ThreadSeconds();
    s.globe.repaint(s.globe.ClientRect());
    const double t1 = ThreadSeconds();
    plain.repaint();
    copy += ThreadSeconds() - t1;
    engine += t1 - t0;
  }
  Report(state, engine, copy, "copy");
  if (s.paints - paints != state.iterations() || plain.paints - plainPaints != state.iterations())
    state.SkipWithError("a repaint did not paint");
}

// One step of a rotate drag: the mouse moves, the globe turns, renders and
// is copied to the window. The median of the steps in milliseconds.
void BM_RotateDragStep(benchmark::State& state) {
  WidgetScene s;
  s.globe.MouseRotateButton = TGlobeMouseButton::mzbLeft;
  const QPoint centre = s.globe.ClientRect().center();
  const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, s.globe.mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&s.globe, &event);
  };
  send(QEvent::MouseButtonPress, centre, Qt::LeftButton);
  std::vector<double> steps;
  int i = 0;
  for (auto _ : state) {
    const QPoint at = centre + QPoint((i % 40 < 20 ? i % 20 : 20 - i % 20) * 6, (i % 20) * 2);
    ++i;
    const double t0 = ThreadSeconds();
    send(QEvent::MouseMove, at, Qt::LeftButton);
    s.globe.repaint(s.globe.ClientRect());
    steps.push_back(ThreadSeconds() - t0);
  }
  send(QEvent::MouseButtonRelease, centre, Qt::NoButton);
  if (s.paints < static_cast<int>(steps.size())) state.SkipWithError("a step did not paint");
  std::nth_element(steps.begin(), steps.begin() + static_cast<long>(steps.size() / 2), steps.end());
  state.counters["median_ms"] = steps.empty() ? 0 : steps[steps.size() / 2] * 1e3;
}

BENCHMARK(BM_LoadProfile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRender)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderAfterZoom)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EngineAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasReplay)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintUnchanged)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RotateDragStep)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace meridex

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
