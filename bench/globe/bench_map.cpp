#include "bench_map.h"

#include <stdlib.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <random>

#include "globe/globe_engine.h"
#include "globe/globe_layer.h"
#include "globe/globe_poly_line.h"
#include "globe/globe_text.h"
#include "globe/layer_file_writer.h"

namespace meridex::bench {

namespace {

GlobeUnit Degrees(double d) { return static_cast<GlobeUnit>(std::lround(d * GU_DEGREE)); }

void MakeLand(TGlobeLayer& layer, std::mt19937& random) {
  std::uniform_real_distribution<double> lon(-180, 180), lat(-75, 75), radius(1, 8),
      noise(0.8, 1.2);
  std::uniform_int_distribution<int> shade(0, 7);
  TGlobePen* coast = FindOrCreatePen(layer, 0x204020, TPenStyle::psSolid, 1);
  for (int b = 0; b < 600; ++b) {
    auto* island = CreateIn<TGlobePolygon>(layer);
    island->Pen = coast;
    island->Brush = FindOrCreateBrush(
        layer, 0x208020 + 0x100800 * static_cast<TColor>(shade(random)), TBrushStyle::bsSolid);
    const double cx = lon(random), cy = lat(random), r = radius(random);
    double wobble = 1;
    for (int v = 0; v < 200; ++v) {
      wobble = 0.7 * wobble + 0.3 * noise(random);
      const double a = 2 * std::numbers::pi * v / 200;
      island->Points.Add({Degrees(std::clamp(cx + r * wobble * std::cos(a), -180.0, 180.0)),
                          Degrees(cy + r * wobble * std::sin(a))});
    }
  }
}

void MakeRivers(TGlobeLayer& layer, std::mt19937& random) {
  std::uniform_real_distribution<double> lon(-170, 170), lat(-70, 70), step(-0.15, 0.15);
  TGlobePen* water = FindOrCreatePen(layer, 0xC04000, TPenStyle::psSolid, 1);
  for (int r = 0; r < 150; ++r) {
    auto* river = CreateIn<TGlobePolyLine>(layer);
    river->Pen = water;
    double x = lon(random), y = lat(random);
    for (int v = 0; v < 200; ++v) {
      x += 0.1 + step(random);
      y += step(random);
      river->Points.Add({Degrees(x), Degrees(y)});
    }
  }
}

void MakeCities(TGlobeLayer& layer, std::mt19937& random) {
  std::uniform_real_distribution<double> lon(-180, 180), lat(-60, 70);
  TGlobeFont* font = FindOrCreateFont(layer, "Arial", 0, 0, 6, TGlobeUnits::NauticalMile, 0x0000FF);
  for (int c = 0; c < 500; ++c) {
    auto* city = CreateIn<TGlobePointText>(layer);
    city->Font = font;
    city->Location = {Degrees(lon(random)), Degrees(lat(random))};
  }
}

}  // namespace

TBenchMap::TBenchMap() {
  std::string pattern = (std::filesystem::temp_directory_path() / "meridex-bench-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary directory");
  dir_ = pattern;
  std::mt19937 random(2024);
  TGlobeEngine globe;
  const auto save = [&](const char* name, void (*make)(TGlobeLayer&, std::mt19937&)) {
    TGlobeLayer& layer = globe.AddLayer(name);
    make(layer, random);
    SaveLayerFile(layer, dir_ / (std::string(name) + ".dat"));
  };
  save("land", MakeLand);
  save("rivers", MakeRivers);
  save("cities", MakeCities);
  profile_ = dir_ / "bench.prf";
  std::ofstream(profile_) << "[Global Settings]\nDataDirectory=" << dir_.string()
                          << "\n[LayerList]\n0=land.dat\n1=rivers.dat\n2=cities.dat\n"
                          << "[cities.dat]\nScaleFont=0\n";
}

TBenchMap::~TBenchMap() {
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

}  // namespace meridex::bench
