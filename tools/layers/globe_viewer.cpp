// A window with nothing but the globe control, for looking at layer files
// and profiles (and at the control itself):
//   globe_viewer [--projection sphere|mercator|cartesian] FILE...
// FILE is a profile (.prf), a layer file (.dat) or a layer description
// (.txt, see layer_text.h), in drawing order. The left button selects and
// turns, the right one drags a zoom band, the wheel and + / - zoom, the
// arrows turn or pan, Home shows the whole earth; 1, 2 and 3 switch to the
// globe, the Mercator map and the Cartesian map. The title shows the
// position under the mouse and the selected object.
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QScreen>
#include <QString>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "common/qt_dialogs.h"
#include "globe/globe.h"
#include "globe/globe_layer.h"
#include "globe/globe_object.h"
#include "globe/lat_long_text.h"
#include "layer_text.h"

namespace {

using namespace meridex;

bool EndsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

// Loads one file into the globe; a bad file is reported and left out.
void Load(TGlobe& globe, const std::string& file, Dialogs& dialogs) {
  try {
    if (EndsWith(file, ".prf")) {
      globe.SetProfileName(file);
    } else if (EndsWith(file, ".txt")) {
      std::ifstream in(file);
      if (!in) throw std::runtime_error("cannot open \"" + file + "\"");
      TGlobeLayer& layer = globe.AddLayer(file);
      ReadLayerText(in, layer);
    } else {
      globe.AddLayer("").LoadFromFile(file);
    }
  } catch (const std::exception& e) {
    dialogs.error(file + ": " + e.what());
  }
}

class TViewer : public QMainWindow {
 public:
  explicit TViewer(Dialogs& dialogs) : globe_(new TGlobe(dialogs, this)) {
    setCentralWidget(globe_);
    globe_->MouseSelectButton = TGlobeMouseButton::mzbLeft;
    globe_->MouseRotateButton = TGlobeMouseButton::mzbLeft;
    globe_->OnMouseMove = [this](TShiftState, int x, int y) { ShowPosition(x, y); };
    globe_->OnSelected = [this] { ShowPosition(lastX_, lastY_); };
    // 800 x 600, or less where the screen (at a large scale factor) is
    // smaller, so that the frame and title stay on screen.
    const QSize room = screen()->availableGeometry().size() * 0.9;
    resize(QSize(800, 600).boundedTo(room));
  }
  TGlobe& Globe() { return *globe_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const int key = event->key();
    if (key >= Qt::Key_1 && key <= Qt::Key_3) {
      const TGlobeProjection projections[] = {TGlobeProjection::gpSpherical,
                                              TGlobeProjection::gpMercator,
                                              TGlobeProjection::gpCartesian};
      globe_->SetProjection(projections[key - Qt::Key_1]);
      return;
    }
    QMainWindow::keyPressEvent(event);
  }

 private:
  void ShowPosition(int x, int y) {
    lastX_ = x;
    lastY_ = y;
    TLLPoint ll;
    std::string text = globe_->XYToLL(x, y, ll)
                           ? FormatLatLong(ll.Y, "%d.%m%N") + " " + FormatLatLong(ll.X, "%d.%m%E")
                           : "off the map";
    if (const TGlobeObject* selected = globe_->SelectedObject()) text += " - " + selected->Title;
    setWindowTitle(QString::fromStdString("Globe viewer: " + text));
  }

  TGlobe* globe_;
  int lastX_ = 0, lastY_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QtDialogs dialogs;
  TViewer viewer(dialogs);
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--projection" && i + 1 < argc) {
      const std::string p = argv[++i];
      viewer.Globe().SetProjection(p == "mercator"    ? TGlobeProjection::gpMercator
                                   : p == "cartesian" ? TGlobeProjection::gpCartesian
                                                      : TGlobeProjection::gpSpherical);
    } else {
      files.push_back(arg);
    }
  }
  if (files.empty()) {
    std::cerr << "usage: globe_viewer [--projection sphere|mercator|cartesian] FILE...\n";
    return 2;
  }
  viewer.setWindowTitle("Globe viewer");
  viewer.show();
  for (const std::string& file : files) Load(viewer.Globe(), file, dialogs);
  viewer.Globe().ZoomToRect({});
  return app.exec();
}
