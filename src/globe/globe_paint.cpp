// Painting the globe: the cached picture, the graticule and lat/long lines.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <exception>

#include "globe/globe_engine.h"
#include "globe/globe_layer.h"
#include "globe/globe_units.h"

namespace meridex {

namespace {

constexpr TColor kGraticuleColor = 0xC0C0C0;      // silver
constexpr GlobeUnit kMeridianEnd = 480'600'000;   // 89 degrees
constexpr GlobeUnit kLastParallel = 459'000'000;  // parallels stay below 85 degrees

// Sets a pointer for as long as it lives.
class TCanvasScope {
 public:
  TCanvasScope(TGlobeCanvas*& slot, TGlobeCanvas& canvas) : slot_(slot) { slot_ = &canvas; }
  ~TCanvasScope() { slot_ = nullptr; }
  TCanvasScope(const TCanvasScope&) = delete;
  TCanvasScope& operator=(const TCanvasScope&) = delete;

 private:
  TGlobeCanvas*& slot_;
};

}  // namespace

void TGlobeEngine::Paint(TGlobeCanvas& picture, TGlobeCanvas& screen) {
  std::exception_ptr failure;
  {
    TCanvasScope scope(canvas_, picture);
    if (NeedsRender()) {
      try {
        RenderPicture(picture);
      } catch (...) {
        failure = std::current_exception();  // passed on once the paint is done
      }
    }
    window_->CopyToScreen();
  }
  {
    TCanvasScope scope(canvas_, screen);
    for (const auto& layer : layers_)
      if (layer->Animated) layer->Render();
    if (OnPaint) OnPaint();
  }
  viewChanged_ = false;
  redrawNeeded_ = false;
  if (failure) std::rethrow_exception(failure);
}

void TGlobeEngine::RenderPicture(TGlobeCanvas& canvas) {
  const TRect clip = canvas.ClipRect();
  if (!window_->TileBackground(canvas, clip)) {
    canvas.SetBrush({color_, TBrushStyle::bsSolid});
    canvas.FillRect(clip);
  }
  canvas.SetBrush({globeColor_, TBrushStyle::bsSolid});
  canvas.SetPen({globeColor_, TPenStyle::psSolid, 1});
  const int n = model_->ClipPolyPoints(model_->ProjectOutline(), true, CLIP_ALL);
  if (n > 1) canvas.Polygon(buffers_.Points.data(), n);

  if (drawGrid_ == TDrawGrid::dgBehind) RenderGraticule();
  for (const auto& layer : layers_)
    if (!layer->Animated) layer->Render();
  if (drawGrid_ == TDrawGrid::dgInFront) RenderGraticule();
  canvas.SetBrush(Brush);
  canvas.SetPen(Pen);
  canvas.SetFont(Font, FontColor);
  if (OnRender) OnRender();
}

void TGlobeEngine::RenderGraticule() {
  DrawingCanvas().SetPen({kGraticuleColor, TPenStyle::psSolid, 1});
  const auto segs =
      static_cast<std::int64_t>(std::clamp(std::nearbyint(model_->Scale * 180), 36.0L, 180.0L));
  std::size_t next = 0;
  // 64-bit steps: a wide step cannot wrap past 180 degrees.
  if (longitudeStep_ > 0) {
    const std::int64_t step = std::int64_t{longitudeStep_} * GU_DEGREE;
    for (std::int64_t lon = -GU_180; lon < GU_180; lon += step)
      TraceLLLine({Wrap32(lon), -kMeridianEnd}, {Wrap32(lon), kMeridianEnd}, segs, &graticule_,
                  &next);
  }
  if (latitudeStep_ > 0) {
    const std::int64_t step = std::int64_t{latitudeStep_} * GU_DEGREE;
    for (std::int64_t lat = 0; lat < kLastParallel; lat += step) {
      TraceLLLine({GU_180, Wrap32(lat)}, {-GU_180, Wrap32(lat)}, 2 * segs, &graticule_, &next);
      TraceLLLine({GU_180, Wrap32(-lat)}, {-GU_180, Wrap32(-lat)}, 2 * segs, &graticule_, &next);
    }
  }
}

void TGlobeEngine::DrawLLLine(TLLPoint from, TLLPoint to, std::int64_t steps) {
  TraceLLLine(from, to, steps, nullptr, nullptr);
}

void TGlobeEngine::TraceLLLine(TLLPoint from, TLLPoint to, std::int64_t steps,
                               std::vector<TPointMemo>* kept, std::size_t* next) {
  TPrjModel& model = *model_;
  TGlobeCanvas& canvas = DrawingCanvas();
  if (steps == 0) steps = 1;
  const long double dx = (static_cast<long double>(to.X) - from.X) / std::llabs(steps);
  const long double dy = (static_cast<long double>(to.Y) - from.Y) / std::llabs(steps);
  const auto flush = [&](int n) {
    if (n < 2) return;
    n = model.ClipPolyPoints(n, false, CLIP_ALL);
    if (n > 1) canvas.Polyline(buffers_.Points.data(), n);
  };
  // The same pixel either way: a kept projection only saves the work.
  const auto project = [&](TLLPoint p, int index) {
    if (!kept) return model.LLToXY(p.X, p.Y, index);
    if (*next == kept->size()) kept->emplace_back();
    return model.LLToXYKept(p, (*kept)[(*next)++], index);
  };
  int n = 0;
  for (std::int64_t e = 0; e < steps; ++e) {
    const GlobeUnit x = Wrap32(from.X + Round64(dx * e));
    const GlobeUnit y = Wrap32(from.Y + Round64(dy * e));
    if (project({x, y}, n)) {
      ++n;
    } else {
      flush(n);
      n = 0;
    }
  }
  if (n > 0 && project(to, n)) ++n;
  flush(n);
}

}  // namespace meridex
