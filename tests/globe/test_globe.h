#pragma once

#include <string>
#include <vector>

#include "globe/globe_engine.h"
#include "globe/globe_layer.h"
#include "globe/globe_object.h"

namespace meridex::test {

// Records every drawing call as a line of text; text measures 6 pixels per
// character by the font's character height.
class RecordingCanvas : public TGlobeCanvas {
 public:
  explicit RecordingCanvas(TRect clip = {0, 0, 300, 300}) : clip_(clip) {}

  void SetPen(const TPenSpec& p) override {
    Log("pen " + Hex(p.Color) + " " + std::to_string(static_cast<int>(p.Style)) + " " +
        std::to_string(p.Width));
  }
  void SetPenColor(TColor c) override { Log("pencolor " + Hex(c)); }
  void SetBrush(const TBrushSpec& b) override {
    Log("brush " + Hex(b.Color) + " " + std::to_string(static_cast<int>(b.Style)));
  }
  void SetFont(const TLogFont& f, TColor c) override {
    font = f;
    Log("font " + f.Name + " " + std::to_string(f.Height) + " " + std::to_string(f.Escapement) +
        " " + Hex(c));
  }
  void Polygon(const TPoint* p, int n) override { Log("polygon" + Points(p, n)); }
  void Polyline(const TPoint* p, int n) override { Log("polyline" + Points(p, n)); }
  void SetPixel(int x, int y, TColor c) override {
    Log("pixel " + std::to_string(x) + "," + std::to_string(y) + " " + Hex(c));
  }
  void Ellipse(int x1, int y1, int x2, int y2) override {
    Log("ellipse " + std::to_string(x1) + "," + std::to_string(y1) + " " + std::to_string(x2) +
        "," + std::to_string(y2));
  }
  void TextOut(int x, int y, const std::string& t) override {
    Log("text " + std::to_string(x) + "," + std::to_string(y) + " " + t +
        (bk == TBkMode::Transparent ? "" : " opaque"));
  }
  TPoint TextExtent(const std::string& t) override {
    const int h = font.Height < 0 ? -font.Height : font.Height;
    return {static_cast<int>(t.size()) * 6, h};
  }
  void FillRect(const TRect& r) override {
    Log("fill " + std::to_string(r.Left) + "," + std::to_string(r.Top) + " " +
        std::to_string(r.Right) + "," + std::to_string(r.Bottom));
  }
  TBkMode SetBkMode(TBkMode mode) override {
    const TBkMode old = bk;
    bk = mode;
    return old;
  }
  TRect ClipRect() const override { return clip_; }

  std::vector<std::string> calls;
  TLogFont font;
  TBkMode bk = TBkMode::Opaque;

 private:
  static std::string Hex(TColor c) {
    char text[16];
    std::snprintf(text, sizeof text, "%06X", c);
    return text;
  }
  static std::string Points(const TPoint* p, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += " " + std::to_string(p[i].X) + "," + std::to_string(p[i].Y);
    return s;
  }
  void Log(const std::string& s) { calls.push_back(s); }
  TRect clip_;
};

// A clock whose every reading advances it by step milliseconds.
class SteppingClock : public Clock {
 public:
  UtcTime utcNow() const override { return {}; }
  LocalTime localNow() const override { return {}; }
  std::uint64_t tickMs() const override {
    const std::uint64_t now = tick;
    tick += step;
    return now;
  }
  mutable std::uint64_t tick = 1000;
  std::uint64_t step = 0;
};

// A globe for tests: a 300 x 300 view (unless sized otherwise) of the whole
// sphere with a recording canvas, a settable clock, and a record of what it
// asks of its window and the events it raises.
class TestGlobe : public TGlobeEngine, public TGlobeWindow {
 public:
  explicit TestGlobe(int width = 300, int height = 300) : TGlobeEngine(width, height) {
    canvas = RecordingCanvas({0, 0, width, height});
    SetWindow(this);
    SetClock(clock);
    SetScreenCanvas(&canvas);
    OnProgress = [this](int type, const std::string& text, bool&) {
      progress.push_back(std::to_string(type) + " " + text);
    };
    OnObjectCreate = [this](TGlobeObject& o) { created.push_back(o.Title); };
    OnObjectFree = [this](TGlobeObject& o) { freed.push_back(o.Title); };
    OnRenderAttributes = [this](TGlobeObject& o, bool& done) { done = o.Title == renderItself; };
    OnSelected = [this] { ++selections; };
    OnZoomed = [this] { ++zooms; };
  }
  ~TestGlobe() override { ClearLayers(); }

  // Paints on the recording canvas (picture and screen alike).
  void Paint() { TGlobeEngine::Paint(canvas); }

  // --- TGlobeWindow
  // An invalidation that leaves the picture stale is a redraw; one that
  // does not only repaints the window from the cached picture.
  void Invalidate() override { ++(RedrawNeeded() ? redraws : repaints); }
  // Records the clock's last reading.
  void CopyToScreen() override { copies.push_back(clock.tick - clock.step); }
  void ShowBusy(bool busy) override { busyCalls.push_back(busy); }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }

  RecordingCanvas canvas;
  SteppingClock clock;
  int redraws = 0;
  int repaints = 0;
  int selections = 0;
  int zooms = 0;
  std::vector<std::uint64_t> copies;
  std::vector<std::string> progress, created, freed, messages;
  std::vector<bool> busyCalls;
  std::string renderItself;  // objects of this title are "drawn by the handler"
};

}  // namespace meridex::test
