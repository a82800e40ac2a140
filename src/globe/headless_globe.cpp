#include "globe/headless_globe.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "globe/cartesian_prj.h"
#include "globe/globe_grid.h"
#include "globe/globe_object.h"
#include "globe/mercator_prj.h"
#include "globe/spherical_prj.h"

namespace meridex {

THeadlessGlobe::THeadlessGlobe(int width, int height)
    : width_(width), height_(height), nullCanvas_({0, 0, width, height}) {
  RegisterStandardGlobeClasses(classes_);
  SetProjection(TGlobeProjection::gpSpherical);
}

THeadlessGlobe::~THeadlessGlobe() { ClearLayers(); }

void THeadlessGlobe::SetProjection(TGlobeProjection projection) {
  switch (projection) {
    case TGlobeProjection::gpSpherical:
      model_ = std::make_unique<TSphericalPrj>(*this);
      break;
    case TGlobeProjection::gpCartesian:
      model_ = std::make_unique<TCartesianPrj>(*this);
      break;
    case TGlobeProjection::gpMercator:
      model_ = std::make_unique<TMercatorPrj>(*this);
      break;
  }
  FitWholeEarth();
}

void THeadlessGlobe::FitWholeEarth() {
  const TRect& e = model_->Extents;
  const long double span =
      std::max(std::abs(std::int64_t{e.Right} - e.Left), std::abs(std::int64_t{e.Bottom} - e.Top));
  const long double scale = std::min(width_, height_) / span;
  SetView(model_->XRotation, model_->YRotation, scale, model_->ZRotation, width_ / 2, height_ / 2);
}

void THeadlessGlobe::SetView(GlobeUnit x, GlobeUnit y, long double scale, GlobeUnit z, int cx,
                             int cy) {
  model_->SetView(x, y, scale, z);
  model_->CenterX = cx;
  model_->CenterY = cy;
  viewChanged = true;
  redrawNeeded = true;
}

TGlobeLayer& THeadlessGlobe::AddLayer(const std::string& name) {
  layersChanged = true;
  layers_.push_back(std::make_unique<TGlobeLayer>(*this));
  TGlobeLayer& layer = *layers_.back();
  layer.SetName(name);
  layer.FileName = name + ".dat";
  return layer;
}

void THeadlessGlobe::ClearLayers() {
  while (!layers_.empty()) {
    std::unique_ptr<TGlobeLayer> layer = std::move(layers_.back());
    layers_.pop_back();
  }
}

void THeadlessGlobe::LayerDestroyed(TGlobeLayer& layer) {
  const auto at = std::find_if(layers_.begin(), layers_.end(),
                               [&](const auto& owned) { return owned.get() == &layer; });
  if (at != layers_.end()) {
    at->release();  // it is being destroyed by its owner already
    layers_.erase(at);
  }
}

void THeadlessGlobe::SetSelectedObject(TGlobeObject* object) {
  if (object == selected_) return;
  if (selected_) selected_->SetSelected(false);
  selected_ = object;
  if (selected_) selected_->SetSelected(true);
}

std::uint64_t THeadlessGlobe::TickMs() const {
  return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                        std::chrono::steady_clock::now().time_since_epoch())
                                        .count());
}

void THeadlessGlobe::Paint() {
  TGlobeCanvas& canvas = *canvas_;
  canvas.SetBrush({globeColor, TBrushStyle::bsSolid});
  canvas.SetPen({globeColor, TPenStyle::psSolid, 1});
  const int n = model_->ClipPolyPoints(model_->ProjectOutline(), true, CLIP_ALL);
  if (n > 1) canvas.Polygon(model_->Buffers().Points.data(), n);

  if (drawGraticule) PaintGraticule();
  for (const auto& layer : layers_)
    if (!layer->Animated) layer->Render();
  viewChanged = false;
  redrawNeeded = false;
}

void THeadlessGlobe::PaintGraticule() {
  TGlobeCanvas& canvas = *canvas_;
  canvas.SetPen({0xC0C0C0, TPenStyle::psSolid, 1});  // silver
  const long double segments = std::clamp(std::nearbyint(model_->Scale * 180), 36.0L, 180.0L);
  const auto segs = static_cast<std::int64_t>(segments);
  for (std::int64_t lon = -GU_180; lon < GU_180; lon += 15 * std::int64_t{GU_DEGREE})
    DrawLLLine(*model_, canvas, {Wrap32(lon), -480600000}, {Wrap32(lon), 480600000}, segs);
  for (std::int64_t lat = 0; lat < 459000000; lat += 15 * std::int64_t{GU_DEGREE}) {
    DrawLLLine(*model_, canvas, {GU_180, Wrap32(lat)}, {-GU_180, Wrap32(lat)}, 2 * segs);
    DrawLLLine(*model_, canvas, {GU_180, Wrap32(-lat)}, {-GU_180, Wrap32(-lat)}, 2 * segs);
  }
}

}  // namespace meridex
