// libFuzzer target: any bytes as a layer file. Loading must end with a
// layer or a clear error, never a crash, an overrun or an allocation larger
// than the data; whatever loaded is then rendered (on a canvas that draws
// nothing) and hit-tested in all three projections.
#include <cstddef>
#include <cstdint>
#include <span>

#include "common/errors.h"
#include "globe/globe_engine.h"
#include "globe/globe_layer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace meridex;
  static TGlobeEngine globe(320, 240);
  static TNullCanvas canvas({0, 0, 320, 240});
  globe.SetDrawGrid(TDrawGrid::dgNone);  // the same every time: not worth the time
  TGlobeLayer& layer = globe.AddLayer("fuzz");
  try {
    layer.LoadFromBytes(std::span<const std::uint8_t>(data, size), "fuzz.dat");
  } catch (const AppError&) {
    // Bad files are expected; the records read so far stay and are drawn.
  }
  for (TGlobeProjection p : {TGlobeProjection::gpSpherical, TGlobeProjection::gpCartesian,
                             TGlobeProjection::gpMercator}) {
    globe.SetProjection(p);
    globe.ZoomToRect({});
    globe.Paint(canvas);
    layer.ObjectAtXY(160, 120);
  }
  globe.ClearLayers();
  return 0;
}
