// The globe at 1024 x 768 with the shipped map (data/tglobe.prf, 210,000
// vertices; argument 0) and a generated one of 150,000 vertices (argument
// 1), each measure beside its baseline in the same iteration, on this
// thread's CPU
// clock (so that the ratio does not drift with the load of a shared machine):
//   - a full render against raw QPainter drawing the same primitives,
//   - the render right after a zoom step against the same,
//   - a paint without a view change against a plain copy of the picture,
//   - one rotate-drag step (turn, render, copy), as a median.
// Beside them, the engine's own share (a canvas that draws nothing) and the
// engine's canvas replaying the same primitives (its cost over raw QPainter).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <optional>
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

const bench::TBenchMap& Generated() {
  static const bench::TBenchMap map;
  return map;
}

// The profile of the map the benchmark's argument names.
std::string Profile(const benchmark::State& state) {
  if (state.range(0) == 1) return Generated().Profile().string();
  return std::filesystem::absolute(std::filesystem::path(MERIDEX_DATA_DIR) / "tglobe.prf").string();
}

const char* MapName(const benchmark::State& state) {
  return state.range(0) == 1 ? "generated map" : "shipped map";
}

// Records what the globe draws, to draw the same with QPainter alone. The
// shapes' points lie one after another in one array, as a program drawing
// by hand would best keep them, so that the baseline does not depend on
// where the heap put a few thousand small arrays.
class TCapture : public TNullCanvas {
 public:
  using TNullCanvas::TNullCanvas;
  void SetPen(const TPenSpec& pen) override { calls.emplace_back(pen); }
  void SetPenColor(TColor color) override { calls.emplace_back(TPenSpec{color}); }
  void SetBrush(const TBrushSpec& brush) override { calls.emplace_back(brush); }
  void Polygon(const TPoint* p, int n) override { calls.emplace_back(Add(true, p, n)); }
  void Polyline(const TPoint* p, int n) override { calls.emplace_back(Add(false, p, n)); }
  void Ellipse(int x1, int y1, int x2, int y2) override {
    calls.emplace_back(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)).normalized());
  }
  void FillRect(const TRect& r) override {
    calls.emplace_back(Fill{QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top)});
  }
  void SetFont(const TLogFont& font, TColor color) override {
    calls.emplace_back(Font{font, color});
  }
  void TextOut(int x, int y, const std::string& text) override {
    calls.emplace_back(
        Text{x, y, text, QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()))});
  }

  struct Shape {
    bool closed;
    std::size_t first;  // in qpoints and enginePoints
    int count;
  };
  struct Fill {
    QRect rect;
  };
  struct Font {
    TLogFont font;
    TColor color;
  };
  struct Text {
    int x, y;
    std::string latin1;
    QString text;
  };
  using Call = std::variant<TPenSpec, TBrushSpec, Shape, QRect, Fill, Font, Text>;
  std::vector<Call> calls;
  std::vector<QPoint> qpoints;
  std::vector<TPoint> enginePoints;  // the same as the engine hands them over
  int points = 0;

 private:
  Shape Add(bool closed, const TPoint* p, int n) {
    const Shape shape{closed, qpoints.size(), n};
    points += n;
    for (int i = 0; i < n; ++i) qpoints.emplace_back(p[i].X, p[i].Y);
    enginePoints.insert(enginePoints.end(), p, p + n);
    return shape;
  }
};

// The captured primitives with plain QPainter calls (no antialiasing), as a
// program would draw them by hand: a pen or brush is set only when it
// differs from the one in use.
void DrawRaw(QImage& image, const TCapture& capture) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  QBrush brush(Qt::white);
  std::optional<TPenSpec> penNow;
  std::optional<TBrushSpec> brushNow;
  std::optional<TLogFont> fontNow;
  QFont qfont;
  QPen textPen;
  int ascent = 0;
  for (const TCapture::Call& call : capture.calls) {
    if (const auto* pen = std::get_if<TPenSpec>(&call)) {
      if (penNow == *pen) continue;
      penNow = *pen;
      const Qt::PenStyle styles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                     Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen,
                                     Qt::SolidLine};
      painter.setPen(QPen(ToQColor(pen->Color), pen->Width <= 1 ? 0 : pen->Width,
                          styles[static_cast<int>(pen->Style) % 7]));
    } else if (const auto* b = std::get_if<TBrushSpec>(&call)) {
      if (brushNow == *b) continue;
      brushNow = *b;
      const Qt::BrushStyle styles[] = {Qt::SolidPattern, Qt::NoBrush,         Qt::HorPattern,
                                       Qt::VerPattern,   Qt::BDiagPattern,    Qt::FDiagPattern,
                                       Qt::CrossPattern, Qt::DiagCrossPattern};
      brush = QBrush(ToQColor(b->Color), styles[static_cast<int>(b->Style) % 8]);
      painter.setBrush(brush);
    } else if (const auto* shape = std::get_if<TCapture::Shape>(&call)) {
      const QPoint* points = capture.qpoints.data() + shape->first;
      if (shape->closed)
        painter.drawPolygon(points, shape->count, Qt::OddEvenFill);
      else
        painter.drawPolyline(points, shape->count);
    } else if (const auto* fill = std::get_if<TCapture::Fill>(&call)) {
      painter.fillRect(fill->rect, brush);
    } else if (const auto* font = std::get_if<TCapture::Font>(&call)) {
      // Labels in the font's colour, their top at the point given.
      if (fontNow != font->font) {
        fontNow = font->font;
        qfont = CreateGlobeFont(font->font);
        painter.setFont(qfont);
        ascent = QFontMetrics(qfont).ascent();
      }
      textPen = QPen(ToQColor(font->color));
    } else if (const auto* text = std::get_if<TCapture::Text>(&call)) {
      const QPen pen = painter.pen();
      painter.setPen(textPen);
      painter.drawText(text->x, text->y + ascent, text->text);
      painter.setPen(pen);
    } else {
      painter.drawEllipse(std::get<QRect>(call));
    }
  }
}

// The headless globe showing the map, with the primitives of its picture.
struct Scene {
  explicit Scene(const benchmark::State& state)
      : image(kWidth, kHeight, QImage::Format_RGB32), raw(image) {
    globe.SetProfileName(Profile(state));
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
  state.SetLabel(MapName(state));
  const double n = static_cast<double>(state.iterations());
  state.counters["engine_ms"] = engine / n * 1e3;
  state.counters[std::string(baseName) + "_ms"] = baseline / n * 1e3;
  state.counters["ratio"] = baseline > 0 ? engine / baseline : 0;
}

void BM_LoadProfile(benchmark::State& state) {
  for (auto _ : state) {
    TGlobeEngine globe(kWidth, kHeight);
    globe.SetProfileName(Profile(state));
    benchmark::DoNotOptimize(globe.LayerCount());
  }
  state.SetLabel(MapName(state));
}

// A full render (background, disc, graticule, layers) as after a turn of
// the globe: every object re-tests its visibility and projects its kept
// earth coordinates.
void BM_FullRender(benchmark::State& state) {
  Scene s(state);
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
  state.SetLabel(std::string(MapName(state)) + ", " + std::to_string(capture.points) +
                 " points drawn");
}

// The texts of a capture, for the labels.
int Texts(const TCapture& capture) {
  int n = 0;
  for (const TCapture::Call& call : capture.calls)
    n += std::holds_alternative<TCapture::Text>(call);
  return n;
}

// The render right after a zoom step, in and out in turn: every object
// recomputes its extent and picks its vertices for the new scale.
void BM_RenderAfterZoom(benchmark::State& state) {
  Scene s(state);
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
  state.SetLabel(std::string(MapName(state)) + ", " + std::to_string(Texts(captures[0])) + " and " +
                 std::to_string(Texts(captures[1])) + " labels");
}

// The engine's own work: the full render on a canvas that draws nothing.
void BM_EngineAlone(benchmark::State& state) {
  Scene s(state);
  TNullCanvas canvas({0, 0, kWidth, kHeight});
  for (auto _ : state) {
    s.globe.Redraw();
    s.globe.Paint(canvas);
  }
  state.SetLabel(MapName(state));
}

// The captured primitives through the engine's canvas, without the engine.
void BM_CanvasReplay(benchmark::State& state) {
  Scene s(state);
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
          const TPoint* points = capture.enginePoints.data() + shape->first;
          const int n = shape->count;
          if (shape->closed)
            c.Polygon(points, n);
          else
            c.Polyline(points, n);
        } else if (const auto* fill = std::get_if<TCapture::Fill>(&call)) {
          c.FillRect({fill->rect.left(), fill->rect.top(), fill->rect.right() + 1,
                      fill->rect.bottom() + 1});
        } else if (const auto* font = std::get_if<TCapture::Font>(&call)) {
          c.SetFont(font->font, font->color);
        } else if (const auto* text = std::get_if<TCapture::Text>(&call)) {
          c.SetBkMode(TBkMode::Transparent);
          c.TextOut(text->x, text->y, text->latin1);
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
  explicit WidgetScene(const benchmark::State& state) : globe(dialogs) {
    globe.resize(kWidth, kHeight);
    globe.SetProfileName(Profile(state));
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
  WidgetScene s(state);
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
  WidgetScene s(state);
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
  state.SetLabel(MapName(state));
}

BENCHMARK(BM_LoadProfile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRender)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderAfterZoom)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EngineAlone)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasReplay)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintUnchanged)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RotateDragStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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
