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

const std::string kProfile =
    std::filesystem::absolute(std::filesystem::path(MERIDEX_DATA_DIR) / "tglobe.prf").string();
constexpr int kWidth = 420, kHeight = 440;  // the world view's globe at 96 dpi

void BM_LoadProfile(benchmark::State& state) {
  long vertices = 0;
  for (auto _ : state) {
    TMessageLog log;  // outlives the globe, which it serves
    TGlobeEngine globe(kWidth, kHeight);
    globe.SetWindow(&log);
    globe.SetProfileName(kProfile);
    if (!log.Messages.empty()) state.SkipWithError("a layer failed");
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
  globe.SetProfileName(kProfile);
  globe.SetProjection(projection);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    // Fitting the earth again is a zoom to the same scale.
    if (afterZoom)
      globe.ZoomToRect({});
    else
      globe.Redraw();
    TQtGlobeCanvas canvas(image);
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
