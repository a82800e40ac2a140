// The shipped map: loading the whole profile (every layer file it lists),
// and drawing the whole earth once the layers are in memory, on the globe and
// on the Mercator map, as the world view does at its default size.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <cstdlib>
#include <filesystem>

#include "globe/globe_engine.h"
#include "globe/globe_layer.h"
#include "globe/qt_globe_canvas.h"
#include "map_layers.h"

namespace meridex::maps {
namespace {

const std::filesystem::path kProfile = std::filesystem::path(MERIDEX_DATA_DIR) / "tglobe.prf";
constexpr int kWidth = 420, kHeight = 440;  // the world view's globe at 96 dpi

// Counts the layers that fail to load.
class FailedLayers : public TGlobeWindow {
 public:
  void ShowMessage(const std::string&) override { ++failed; }
  int failed = 0;
};

void BM_LoadProfile(benchmark::State& state) {
  long vertices = 0;
  for (auto _ : state) {
    FailedLayers window;
    TGlobeEngine globe(kWidth, kHeight);
    globe.SetWindow(&window);
    globe.SetProfileName(kProfile.string());
    if (window.failed) state.SkipWithError("a layer failed");
    state.PauseTiming();
    vertices = 0;
    for (int l = 0; l < globe.LayerCount(); ++l) vertices += VertexCount(globe.GetLayer(l));
    globe.ClearLayers();  // freeing is not part of loading
    state.ResumeTiming();
  }
  state.counters["vertices"] = static_cast<double>(vertices);
}

// One full repaint of the cached picture after a zoom (extents and the
// globe's point caches rebuilt), then repaints after a turn.
void RenderWholeEarth(benchmark::State& state, TGlobeProjection projection, bool afterZoom) {
  TGlobeEngine globe(kWidth, kHeight);
  globe.SetProfileName(kProfile.string());
  globe.SetProjection(projection);
  globe.ZoomToRect({});
  // A zoom there and back: every object recomputes its extent and projection.
  const long double whole = globe.Scale(), closer = whole * 1.0001L;
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  bool near = false;
  for (auto _ : state) {
    image.fill(Qt::black);
    TQtGlobeCanvas canvas(image);
    if (afterZoom) {
      near = !near;
      globe.SetScale(near ? closer : whole);
    } else {
      globe.Redraw();
    }
    globe.Paint(canvas);
  }
}

void BM_PaintSphereAfterZoom(benchmark::State& s) {
  RenderWholeEarth(s, TGlobeProjection::gpSpherical, true);
}
void BM_PaintSphereAfterTurn(benchmark::State& s) {
  RenderWholeEarth(s, TGlobeProjection::gpSpherical, false);
}
void BM_PaintMercatorAfterZoom(benchmark::State& s) {
  RenderWholeEarth(s, TGlobeProjection::gpMercator, true);
}

BENCHMARK(BM_LoadProfile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintSphereAfterZoom)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintSphereAfterTurn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintMercatorAfterZoom)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace meridex::maps

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);  // fonts for the city labels
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
