// Draws the map of a globe profile into pictures, on the globe, the Mercator
// map and the Cartesian map, to look at:
//
//   map_render data/tglobe.prf /tmp/map [--size 900x600] [--at LON LAT ZOOM]
//
// writes /tmp/map-sphere.png, /tmp/map-mercator.png and /tmp/map-cartesian.png.
// Without --at the whole earth is shown; with it the view is centred on the
// point (degrees, east and north positive) and zoomed in ZOOM times.
#include <QGuiApplication>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "globe/globe_engine.h"
#include "globe/qt_globe_canvas.h"

namespace {

using namespace meridex;

struct View {
  int width = 900, height = 600;
  double lon = 0, lat = 20, zoom = 1;
};

// Prints the messages of layers that fail to load.
class ConsoleWindow : public TGlobeWindow {
 public:
  void ShowMessage(const std::string& text) override { std::cerr << text << "\n"; }
};

void Aim(TGlobeEngine& globe, TGlobeProjection projection, const View& v) {
  // The whole earth in the rotations a new globe starts with.
  globe.SetProjection(projection);
  globe.SetXRotationInDegs(30);
  globe.SetYRotationInDegs(-90);
  globe.ZoomToRect({});
  TPrjModel& model = globe.PrjModel();
  const long double scale = model.Scale * v.zoom;
  const auto gu = [](double degrees) { return static_cast<GlobeUnit>(degrees * GU_DEGREE); };
  if (projection == TGlobeProjection::gpSpherical) {
    // The view's centre is at latitude X and longitude -(Y + 90 degrees).
    model.SetView(gu(v.lat), gu(-v.lon - 90), scale, 0);
    globe.SetCenterXY({v.width / 2, v.height / 2});
    return;
  }
  model.SetView(model.XRotation, model.YRotation, scale, 0);
  globe.SetCenterXY({0, 0});
  if (!model.LLToXY(gu(v.lon), gu(v.lat), 0)) return;
  const TLLPoint p = model.Point(0);
  globe.SetCenterXY({v.width / 2 - p.X, v.height / 2 - p.Y});
}

bool Render(TGlobeEngine& globe, TGlobeProjection projection, const View& view,
            const std::string& file) {
  Aim(globe, projection, view);
  QImage image(view.width, view.height, QImage::Format_RGB32);
  image.fill(Qt::black);
  {
    TQtGlobeCanvas canvas(image);
    globe.Redraw();
    globe.Paint(canvas);
  }
  if (!image.save(QString::fromStdString(file))) {
    std::cerr << "map_render: cannot write \"" << file << "\"\n";
    return false;
  }
  std::cout << file << "\n";
  return true;
}

bool ParseArgs(int argc, char** argv, View& view) {
  for (int i = 3; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--size" && i + 1 < argc) {
      if (std::sscanf(argv[++i], "%dx%d", &view.width, &view.height) != 2) return false;
    } else if (arg == "--at" && i + 3 < argc) {
      view.lon = std::atof(argv[++i]);
      view.lat = std::atof(argv[++i]);
      view.zoom = std::atof(argv[++i]);
    } else {
      return false;
    }
  }
  return view.width > 0 && view.height > 0 && view.zoom > 0;
}

}  // namespace

int main(int argc, char** argv) {
  View view;
  if (argc < 3 || !ParseArgs(argc, argv, view)) {
    std::cerr << "usage: map_render PROFILE OUTPUT_PREFIX [--size WxH] [--at LON LAT ZOOM]\n";
    return 2;
  }
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  try {
    ConsoleWindow window;
    TGlobeEngine globe(view.width, view.height);
    globe.SetWindow(&window);
    // A profile named without a directory is one of the working directory.
    globe.SetProfileName(std::filesystem::absolute(argv[1]).string());
    const std::string prefix = argv[2];
    bool ok = Render(globe, TGlobeProjection::gpSpherical, view, prefix + "-sphere.png");
    ok = Render(globe, TGlobeProjection::gpMercator, view, prefix + "-mercator.png") && ok;
    ok = Render(globe, TGlobeProjection::gpCartesian, view, prefix + "-cartesian.png") && ok;
    return ok ? 0 : 1;
  } catch (const std::exception& e) {
    std::cerr << "map_render: " << e.what() << "\n";
    return 1;
  }
}
