#pragma once

#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "globe/globe_layer.h"
#include "globe/globe_object.h"
#include "globe/headless_globe.h"

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

// A profile held in memory: "section" -> "key" -> value, matched without
// regard to case.
class MemoryProfile : public TProfileReader {
 public:
  void Set(const std::string& section, const std::string& key, const std::string& value) {
    values_[Lower(section) + "\n" + Lower(key)] = value;
  }
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& def) const override {
    const auto it = values_.find(Lower(section) + "\n" + Lower(key));
    return it == values_.end() ? def : it->second;
  }
  std::int32_t ReadInteger(const std::string& section, const std::string& key,
                           std::int32_t def) const override {
    const std::string v = ReadString(section, key, "");
    return v.empty() ? def : std::stoi(v);
  }
  bool ReadBool(const std::string& section, const std::string& key, bool def) const override {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
  }

 private:
  static std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  }
  std::map<std::string, std::string> values_;
};

// A globe for tests: a 300 x 300 view of the whole sphere with a recording
// canvas, a settable clock, and a record of the events raised.
class TestGlobe : public THeadlessGlobe {
 public:
  TestGlobe() : THeadlessGlobe(300, 300) { SetCanvas(&canvas); }
  ~TestGlobe() override { ClearLayers(); }

  void Redraw() override {
    ++redraws;
    THeadlessGlobe::Redraw();
  }
  void Repaint() override { ++repaints; }
  // Records the clock's last reading.
  void CopyToScreen() override { copies.push_back(tick - tickStep); }
  // Each reading of the clock advances it by tickStep.
  std::uint64_t TickMs() const override {
    const std::uint64_t now = tick;
    tick += tickStep;
    return now;
  }
  bool DoProgress(int type, const std::string& text) override {
    progress.push_back(std::to_string(type) + " " + text);
    return false;
  }
  void DoObjectCreate(TGlobeObject& o) override { created.push_back(o.Title); }
  void DoObjectFree(TGlobeObject& o) override { freed.push_back(o.Title); }
  bool DoRenderAttributes(TGlobeObject& o) override { return o.Title == renderItself; }
  void ShowBusy(bool busy) override { busyCalls.push_back(busy); }

  RecordingCanvas canvas;
  int redraws = 0;
  int repaints = 0;
  mutable std::uint64_t tick = 1000;
  std::uint64_t tickStep = 0;
  std::vector<std::uint64_t> copies;
  std::vector<std::string> progress, created, freed;
  std::vector<bool> busyCalls;
  std::string renderItself;  // objects of this title are "drawn by the handler"
};

}  // namespace meridex::test
