#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "globe/globe_classes.h"
#include "globe/globe_host.h"
#include "globe/globe_layer.h"

namespace meridex {

enum class TGlobeProjection { gpSpherical, gpCartesian, gpMercator };

// A canvas that draws nothing (text measures 0 x 0).
class TNullCanvas : public TGlobeCanvas {
 public:
  explicit TNullCanvas(TRect clip = {0, 0, 0, 0}) : clip_(clip) {}
  void SetPen(const TPenSpec&) override {}
  void SetPenColor(TColor) override {}
  void SetBrush(const TBrushSpec&) override {}
  void SetFont(const TLogFont&, TColor) override {}
  void Polygon(const TPoint*, int) override {}
  void Polyline(const TPoint*, int) override {}
  void SetPixel(int, int, TColor) override {}
  void Ellipse(int, int, int, int) override {}
  void TextOut(int, int, const std::string&) override {}
  TPoint TextExtent(const std::string&) override { return {0, 0}; }
  TBkMode SetBkMode(TBkMode mode) override { return mode; }
  TRect ClipRect() const override { return clip_; }

 private:
  TRect clip_;
};

// A globe without a window: it owns a projection model and layers, renders
// them onto any canvas and answers everything layers and objects ask. Tools,
// benchmarks, the fuzz target and tests use it; the globe control is the
// windowed counterpart.
class THeadlessGlobe : public TGlobeHost {
 public:
  THeadlessGlobe(int width = 150, int height = 150);
  ~THeadlessGlobe() override;

  // Replaces the model with a fresh one of that kind and fits the earth.
  void SetProjection(TGlobeProjection projection);
  // Fits the whole globe or map into the view, centred.
  void FitWholeEarth();
  // Sets the model's view and puts the projection's origin at (cx, cy).
  void SetView(GlobeUnit x, GlobeUnit y, long double scale, GlobeUnit z, int cx, int cy);
  void SetCanvas(TGlobeCanvas* canvas) { canvas_ = canvas ? canvas : &nullCanvas_; }

  TGlobeLayer& AddLayer(const std::string& name);
  int LayerCount() const { return static_cast<int>(layers_.size()); }
  TGlobeLayer& Layer(int index) { return *layers_.at(static_cast<std::size_t>(index)); }
  void ClearLayers();

  // Renders the globe disc or map, a graticule every 15 degrees and every
  // layer that is not animated, as the globe control's cached picture.
  void Paint();
  // The graticule alone, every 15 degrees, in silver.
  void PaintGraticule();

  // --- TProjectionHost
  void Redraw() override { redrawNeeded = true; }
  TRect ClipRect() const override { return canvas_->ClipRect(); }
  int PixelsPerInch() const override { return pixelsPerInch; }
  // --- TGlobeHost
  TPrjModel& PrjModel() override { return *model_; }
  int ViewWidth() const override { return width_; }
  int ViewHeight() const override { return height_; }
  bool ViewChanged() const override { return viewChanged; }
  bool RedrawNeeded() const override { return redrawNeeded; }
  bool ProgressiveDisplay() const override { return progressiveDisplay; }
  int MinTextHeight() const override { return minTextHeight; }
  TPenSpec SelectedPen() const override { return selectedPen; }
  TBrushSpec SelectedBrush() const override { return selectedBrush; }
  TGlobeCanvas& DrawingCanvas() override { return *canvas_; }
  TRenderState& RenderState() override { return renderState_; }
  void CopyToScreen() override {}
  void Repaint() override {}
  std::uint64_t TickMs() const override;
  std::string DataDirectory() const override { return dataDirectory; }
  const TProfileReader* Profile() const override { return profile; }
  const TGlobeClassRegistry& GlobeClasses() const override { return classes_; }
  TGlobeObject* SelectedObject() const override { return selected_; }
  void SetSelectedObject(TGlobeObject* object) override;
  void SetLayersChanged() override { layersChanged = true; }
  void LayerDestroyed(TGlobeLayer& layer) override;
  void ShowBusy(bool) override {}
  bool DoProgress(int, const std::string&) override { return false; }
  void DoObjectCreate(TGlobeObject&) override {}
  void DoObjectFree(TGlobeObject&) override {}
  bool DoRenderAttributes(TGlobeObject&) override { return false; }

  bool viewChanged = true;
  bool redrawNeeded = true;
  bool progressiveDisplay = true;
  bool layersChanged = false;
  bool drawGraticule = true;
  int minTextHeight = 5;
  int pixelsPerInch = 96;
  TPenSpec selectedPen{0x0000FF, TPenStyle::psSolid, 1};
  TBrushSpec selectedBrush{0x00FFFF, TBrushStyle::bsSolid};
  TColor globeColor = 0xFFFF00;  // aqua
  std::string dataDirectory;
  const TProfileReader* profile = nullptr;

 protected:
  TGlobeClassRegistry classes_;

 private:
  int width_, height_;
  TNullCanvas nullCanvas_;
  TGlobeCanvas* canvas_ = &nullCanvas_;
  TRenderState renderState_;
  std::unique_ptr<TPrjModel> model_;
  std::vector<std::unique_ptr<TGlobeLayer>> layers_;
  TGlobeObject* selected_ = nullptr;
};

}  // namespace meridex
