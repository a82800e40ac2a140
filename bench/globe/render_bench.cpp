// A layer of 100,000 vertices: loading its file, and rendering it onto a
// 1024 x 768 picture with the QPainter canvas on the sphere, beside the raw
// cost of drawing the same projected polygons with QPainter alone.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <map>
#include <random>

#include "globe/globe_poly_line.h"
#include "globe/headless_globe.h"
#include "globe/layer_file_writer.h"
#include "globe/qt_globe_canvas.h"

namespace meridex {
namespace {

constexpr int kWidth = 1024, kHeight = 768;
constexpr int kBlobs = 500, kVertices = 200;  // 100,000 vertices

// Island-like polygons: noisy circles of 1 to 8 degrees all over the earth.
void MakeIslands(TGlobeLayer& layer) {
  std::mt19937 random(99);
  std::uniform_real_distribution<double> lon(-180, 180), lat(-80, 80), radius(1, 8),
      noise(0.8, 1.2);
  std::uniform_int_distribution<int> colour(0, 0xFFFFFF);
  TGlobePen* pen = FindOrCreatePen(layer, 0x202020, TPenStyle::psSolid, 1);
  for (int b = 0; b < kBlobs; ++b) {
    auto* island = CreateIn<TGlobePolygon>(layer);
    island->Pen = pen;
    island->Brush = FindOrCreateBrush(layer, static_cast<TColor>(colour(random) % 8 * 0x1F1F1F),
                                      TBrushStyle::bsSolid);
    const double cx = lon(random), cy = lat(random), r = radius(random);
    double wobble = 1;
    for (int v = 0; v < kVertices; ++v) {
      wobble = 0.7 * wobble + 0.3 * noise(random);
      const double a = 2 * M_PI * v / kVertices;
      island->Points.Add({static_cast<GlobeUnit>((cx + r * wobble * std::cos(a)) * 5400000),
                          static_cast<GlobeUnit>((cy + r * wobble * std::sin(a)) * 5400000)});
    }
  }
}

const std::filesystem::path& LayerFile() {
  static const std::filesystem::path file = [] {
    THeadlessGlobe globe;
    TGlobeLayer& layer = globe.AddLayer("islands");
    MakeIslands(layer);
    const auto path = std::filesystem::temp_directory_path() / "meridex-bench-islands.dat";
    SaveLayerFile(layer, path);
    return path;
  }();
  return file;
}

void BM_LoadLayerFile(benchmark::State& state) {
  THeadlessGlobe globe(kWidth, kHeight);
  globe.dataDirectory = LayerFile().parent_path().string();
  for (auto _ : state) {
    TGlobeLayer& layer = globe.AddLayer("islands");
    layer.LoadFromFile(LayerFile().filename().string());
    benchmark::DoNotOptimize(layer.ObjectCount());
    state.PauseTiming();
    globe.ClearLayers();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kBlobs * kVertices);
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(std::filesystem::file_size(LayerFile())));
}

// The globe and its loaded layer, shared by the render benchmarks.
struct Scene {
  Scene() : globe(kWidth, kHeight), image(kWidth, kHeight, QImage::Format_RGB32) {
    globe.dataDirectory = LayerFile().parent_path().string();
    globe.drawGraticule = false;
    layer = &globe.AddLayer("islands");
    layer->LoadFromFile(LayerFile().filename().string());
  }
  THeadlessGlobe globe;
  TGlobeLayer* layer;
  QImage image;
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

// Renders the layer as a repaint after a turn of the globe: every object
// re-tests its visibility and projects its cached 3D points (fresh = true:
// after a zoom, when extents and caches are rebuilt too).
void RenderLayer(Scene& s, bool fresh) {
  s.image.fill(Qt::black);
  TQtGlobeCanvas canvas(s.image);
  s.globe.SetCanvas(&canvas);
  s.globe.viewChanged = fresh;
  s.globe.redrawNeeded = true;
  s.layer->Render();
  s.globe.SetCanvas(nullptr);
}

void BM_EngineRender(benchmark::State& state) {
  Scene& s = TheScene();
  RenderLayer(s, true);
  for (auto _ : state) RenderLayer(s, false);
  state.SetItemsProcessed(state.iterations() * kBlobs * kVertices);
}

// The engine's own work: the same render on a canvas that draws nothing.
void BM_EngineWithoutDrawing(benchmark::State& state) {
  Scene& s = TheScene();
  TNullCanvas canvas({0, 0, kWidth, kHeight});
  s.globe.SetCanvas(&canvas);
  s.globe.viewChanged = true;
  s.globe.redrawNeeded = true;
  s.layer->Render();
  for (auto _ : state) {
    s.globe.viewChanged = false;
    s.globe.redrawNeeded = true;
    s.layer->Render();
  }
  s.globe.SetCanvas(nullptr);
  state.SetItemsProcessed(state.iterations() * kBlobs * kVertices);
}

void BM_EngineRenderAfterZoom(benchmark::State& state) {
  Scene& s = TheScene();
  for (auto _ : state) RenderLayer(s, true);
  state.SetItemsProcessed(state.iterations() * kBlobs * kVertices);
}

// Captures what the engine draws, to draw it again with QPainter alone.
class CapturingCanvas : public TNullCanvas {
 public:
  explicit CapturingCanvas(TRect clip) : TNullCanvas(clip) {}
  void SetPen(const TPenSpec& pen) override { pen_ = pen; }
  void SetBrush(const TBrushSpec& brush) override { brush_ = brush; }
  void Polygon(const TPoint* p, int n) override {
    Shape shape{pen_, brush_, {}};
    for (int i = 0; i < n; ++i) shape.points.emplace_back(p[i].X, p[i].Y);
    shapes.push_back(std::move(shape));
  }
  struct Shape {
    TPenSpec pen;
    TBrushSpec brush;
    std::vector<QPoint> points;
  };
  std::vector<Shape> shapes;

 private:
  TPenSpec pen_;
  TBrushSpec brush_;
};

// The polygons the engine draws, in pixels, with their colours.
const CapturingCanvas& Captured() {
  static const CapturingCanvas capture = [] {
    Scene& s = TheScene();
    CapturingCanvas c({0, 0, kWidth, kHeight});
    s.globe.SetCanvas(&c);
    s.globe.viewChanged = true;
    s.globe.redrawNeeded = true;
    s.layer->Render();
    s.globe.SetCanvas(nullptr);
    return c;
  }();
  return capture;
}

void DrawRaw(QImage& image, const CapturingCanvas& capture) {
  image.fill(Qt::black);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (const auto& shape : capture.shapes) {
    painter.setPen(QPen(ToQColor(shape.pen.Color), 0));
    painter.setBrush(QBrush(ToQColor(shape.brush.Color)));
    painter.drawPolygon(shape.points.data(), static_cast<int>(shape.points.size()),
                        Qt::OddEvenFill);
  }
}

// The same polygons drawn through the engine's canvas, without the engine.
void BM_CanvasReplay(benchmark::State& state) {
  Scene& s = TheScene();
  const CapturingCanvas& capture = Captured();
  std::vector<std::vector<TPoint>> points;
  for (const auto& shape : capture.shapes) {
    points.emplace_back();
    for (const QPoint& q : shape.points) points.back().push_back({q.x(), q.y()});
  }
  for (auto _ : state) {
    s.image.fill(Qt::black);
    TQtGlobeCanvas canvas(s.image);
    for (std::size_t i = 0; i < points.size(); ++i) {
      canvas.SetPen(capture.shapes[i].pen);
      canvas.SetBrush(capture.shapes[i].brush);
      canvas.Polygon(points[i].data(), static_cast<int>(points[i].size()));
    }
  }
  state.SetItemsProcessed(state.iterations() * kBlobs * kVertices);
}

void BM_RawQPainter(benchmark::State& state) {
  Scene& s = TheScene();
  const CapturingCanvas& capture = Captured();
  std::size_t points = 0;
  for (const auto& shape : capture.shapes) points += shape.points.size();
  for (auto _ : state) DrawRaw(s.image, capture);
  state.SetItemsProcessed(state.iterations() * kBlobs * kVertices);
  state.SetLabel(std::to_string(capture.shapes.size()) + " polygons, " + std::to_string(points) +
                 " points drawn");
}

double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Both in turn in every iteration, on this thread's CPU clock, so that the
// ratio does not drift with the load of a shared machine.
void BM_EngineVsRaw(benchmark::State& state) {
  Scene& s = TheScene();
  const CapturingCanvas& capture = Captured();
  RenderLayer(s, true);
  double engine = 0, raw = 0;
  for (auto _ : state) {
    const double t0 = ThreadSeconds();
    RenderLayer(s, false);
    const double t1 = ThreadSeconds();
    DrawRaw(s.image, capture);
    raw += ThreadSeconds() - t1;
    engine += t1 - t0;
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["engine_ms"] = engine / n * 1e3;
  state.counters["raw_ms"] = raw / n * 1e3;
  state.counters["ratio"] = raw > 0 ? engine / raw : 0;
}

BENCHMARK(BM_LoadLayerFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EngineRender)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EngineRenderAfterZoom)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EngineWithoutDrawing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasReplay)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawQPainter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EngineVsRaw)->Unit(benchmark::kMillisecond);

class TimeReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
    ConsoleReporter::ReportRuns(runs);
  }
  // Uses the medians when the benchmarks ran with repetitions.
  void PrintRatio(std::string a, std::string b) const {
    if (times_.count(a + "_median") && times_.count(b + "_median")) {
      a += "_median";
      b += "_median";
    }
    if (!times_.count(a) || !times_.count(b) || times_.at(b) == 0) return;
    std::printf("%-26s / %-16s = %5.2f x the raw drawing time (CPU)\n", a.c_str(), b.c_str(),
                times_.at(a) / times_.at(b));
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace
}  // namespace meridex

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  meridex::TimeReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n");
  reporter.PrintRatio("BM_EngineRender", "BM_RawQPainter");
  reporter.PrintRatio("BM_EngineRenderAfterZoom", "BM_RawQPainter");
  benchmark::Shutdown();
  std::filesystem::remove(meridex::LayerFile());
  return 0;
}
