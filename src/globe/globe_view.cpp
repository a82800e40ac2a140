// The globe's view: scale, zoom, centre, rotations, projection, resize and
// scrolling.
#include <algorithm>
#include <cstdlib>
#include <exception>

#include "globe/cartesian_prj.h"
#include "globe/globe_engine.h"
#include "globe/globe_layer.h"
#include "globe/globe_object.h"
#include "globe/globe_units.h"
#include "globe/mercator_prj.h"
#include "globe/spherical_prj.h"

namespace meridex {

namespace {

// The larger client side never spans more than 2^31 - 1 GlobeUnits.
constexpr long double kInverseMaxUnits = 4.6566128752457969241E-10L;
constexpr long double kMaxScale = 4;  // pixels per GlobeUnit

std::int32_t RotationFactor(int index) {
  if (index & ROT_DEGREES) return GU_DEGREE;
  if (index & ROT_MINUTES) return GU_MINUTE;
  if (index & ROT_SECONDS) return GU_SECOND;
  return 1;
}

// GlobeUnits across a number of pixels. At the lower scale limit the larger
// side spans 2^31 - 1 GlobeUnits; rounding must not carry it past that.
std::int32_t ViewUnits(int pixels, long double scale) {
  return static_cast<std::int32_t>(std::min<std::int64_t>(Round64(pixels / scale), INT32_MAX));
}

}  // namespace

std::unique_ptr<TPrjModel> TGlobeEngine::MakeModel(TGlobeProjection projection) {
  switch (projection) {
    case TGlobeProjection::gpCartesian:
      return std::make_unique<TCartesianPrj>(*this);
    case TGlobeProjection::gpMercator:
      return std::make_unique<TMercatorPrj>(*this);
    case TGlobeProjection::gpSpherical:
      break;
  }
  return std::make_unique<TSphericalPrj>(*this);
}

void TGlobeEngine::Redraw() {
  redrawNeeded_ = true;
  window_->Invalidate();
}

long double TGlobeEngine::LimitScale(long double scale) const {
  if (scale > kMaxScale) scale = kMaxScale;
  const int larger = std::max(viewWidth_, viewHeight_);
  if (larger / scale > 2147483647.0L) scale = larger * kInverseMaxUnits;
  return scale;
}

void TGlobeEngine::SetModelScale(long double scale) {
  viewRect_ = {0, 0, ViewUnits(viewWidth_, scale), ViewUnits(viewHeight_, scale)};
  model_->SetView(model_->XRotation, model_->YRotation, scale, model_->ZRotation);
}

void TGlobeEngine::MarkAllObjects() {
  for (const auto& layer : layers_)
    for (int i = 0; i < layer->ObjectCount(); ++i)
      layer->Objects(i)->ObjectState |= OS_RECALC_EXTENT;
}

void TGlobeEngine::SetScale(long double scale) { ZoomAt(scale, viewWidth_ / 2, viewHeight_ / 2); }

void TGlobeEngine::ZoomAt(long double scale, int x, int y) {
  if (!(scale > 0)) return;  // not a scale at all
  scale = LimitScale(scale);
  const long double old = model_->Scale;
  if (scale == old) return;
  try {
    model_->CenterX =
        Wrap32(x + Round64(scale * ((static_cast<long double>(model_->CenterX) - x) / old)));
    model_->CenterY =
        Wrap32(y + Round64(scale * ((static_cast<long double>(model_->CenterY) - y) / old)));
    SetModelScale(scale);
    MarkAllObjects();
    viewChanged_ = true;
    redrawNeeded_ = true;
    if (OnZoomed) OnZoomed();
    window_->Invalidate();
  } catch (const std::exception&) {
    // A zoom that cannot be applied leaves the view as far as it got.
  }
}

void TGlobeEngine::ZoomToRect(const TRect& rect) {
  const long double smaller = std::min(viewWidth_, viewHeight_);
  long double scale;
  if (rect.Left == rect.Right || rect.Top == rect.Bottom) {
    model_->CenterX = viewWidth_ / 2;
    model_->CenterY = viewHeight_ / 2;
    model_->Scale = 1.0L;  // so that the fit below always applies
    const TRect& e = model_->Extents;
    scale =
        smaller / static_cast<long double>(std::max(std::llabs(std::int64_t{e.Right} - e.Left),
                                                    std::llabs(std::int64_t{e.Bottom} - e.Top)));
  } else {
    scale = smaller /
            static_cast<long double>(std::min(std::llabs(std::int64_t{rect.Right} - rect.Left),
                                              std::llabs(std::int64_t{rect.Bottom} - rect.Top)));
    const long double old = model_->Scale;
    model_->CenterX = Round32(scale * (model_->CenterX / old - rect.Left));
    model_->CenterY = Round32(scale * (model_->CenterY / old - rect.Top));
  }
  scale = LimitScale(scale);
  // A client area of no size at all has no scale to fit.
  if (scale > 0 && scale != model_->Scale) {
    try {
      SetModelScale(scale);
      viewChanged_ = true;
      if (OnZoomed) OnZoomed();
    } catch (const std::exception&) {
      // The fit is swallowed; the picture is redrawn all the same.
    }
  }
  Redraw();
}

void TGlobeEngine::Resize(int width, int height) {
  const TPoint mid{Wrap32(std::int64_t{model_->CenterX} + (width - viewWidth_) / 2),
                   Wrap32(std::int64_t{model_->CenterY} + (height - viewHeight_) / 2)};
  viewWidth_ = width;
  viewHeight_ = height;
  nullCanvas_.SetClip({0, 0, width, height});
  if (!resized_) {
    resized_ = true;
    ZoomToRect({});
    return;
  }
  const long double scale = LimitScale(model_->Scale);
  if (scale > 0) {
    // A change of scale still pending from before the resize stays pending.
    viewChanged_ = viewChanged_ || scale != model_->Scale;
    SetModelScale(scale);
  }
  SetCenterXY(mid);
  Redraw();
}

void TGlobeEngine::SetScrollRanges() {
  const TRect& e = model_->Extents;
  const auto reach = [](std::int32_t limit) {
    return 2 * std::min<std::int64_t>(GU_90, std::llabs(std::int64_t{limit}));
  };
  horzRange_ = {Wrap32(-reach(e.Left)), Wrap32(reach(e.Right))};
  vertRange_ = {Wrap32(-reach(e.Top)), Wrap32(reach(e.Bottom))};
}

void TGlobeEngine::SetProjection(TGlobeProjection projection) {
  if (projection == projection_) {
    SetScrollRanges();
    ZoomToRect({});
    return;
  }
  TLLPoint mid;
  const bool onMap = XYToLL(viewWidth_ / 2, viewHeight_ / 2, mid);
  projection_ = projection;
  model_.reset();
  model_ = MakeModel(projection);
  SetScrollRanges();
  if (!onMap) {
    ZoomToRect({});
    return;
  }
  ZoomToRect(viewRect_);  // keeps the scale
  model_->CenterX = viewWidth_ / 2;
  model_->CenterY = viewHeight_ / 2;
  // When the point of the middle cannot be on the new map (a latitude
  // beyond the Mercator map's 86 degrees), the whole earth is shown.
  if (!TurnMiddleTo(mid) || !model_->LLToXY(mid.X, mid.Y, 0)) ZoomToRect({});
}

bool TGlobeEngine::TurnMiddleTo(TLLPoint mid) {
  TLLPoint now;
  if (!XYToLL(viewWidth_ / 2, viewHeight_ / 2, now)) return false;
  SetRotation(ROT_Y, Wrap32(std::int64_t{model_->YRotation} + now.X - mid.X));
  SetRotation(ROT_X, Wrap32(std::int64_t{model_->XRotation} + mid.Y - now.Y));
  return true;
}

void TGlobeEngine::CenterOnObject(TGlobeObject* object) {
  if (!object) return;
  if (object->ObjectState & OS_RECALC_EXTENT) object->CalcExtent();
  const TRect& e = object->Extent;
  const TLLPoint mid{Wrap32(e.Left + (std::int64_t{e.Right} - e.Left) / 2),
                     Wrap32(e.Bottom + (std::int64_t{e.Top} - e.Bottom) / 2)};
  model_->CenterX = viewWidth_ / 2;
  model_->CenterY = viewHeight_ / 2;
  TurnMiddleTo(mid);
  // Moving the centre alone (no rotation to change) needs a new picture too.
  Redraw();
}

std::int32_t TGlobeEngine::GetRotation(int index) const {
  std::int32_t value = 0;
  switch (index & 3) {
    case ROT_Z:
      value = model_->ZRotation;
      break;
    case ROT_Y:
      value = model_->YRotation;
      break;
    case ROT_X:
      value = model_->XRotation;
      break;
    default:
      return 0;
  }
  return value / RotationFactor(index);
}

void TGlobeEngine::SetRotation(int index, std::int32_t value) {
  const int axis = index & 3;
  if (axis == 3) return;
  const GlobeUnit v = Wrap32(std::int64_t{value} * RotationFactor(index));
  GlobeUnit x = model_->XRotation, y = model_->YRotation, z = model_->ZRotation;
  GlobeUnit& target = axis == ROT_X ? x : axis == ROT_Y ? y : z;
  if (target == v) return;
  target = v;
  model_->SetView(x, y, model_->Scale, z);
}

bool TGlobeEngine::XYToLL(int x, int y, TLLPoint& ll) {
  if (model_->XYToLL(x, y, 0)) {
    ll = model_->Point(0);
    return true;
  }
  ll = {GU_180, GU_180};
  return false;
}

void TGlobeEngine::ScrollBy(std::int32_t dx, std::int32_t dy) {
  model_->CenterX = Wrap32(model_->CenterX - Round64(dx * model_->Scale));
  model_->CenterY = Wrap32(model_->CenterY - Round64(dy * model_->Scale));
  Redraw();
}

void TGlobeEngine::SetCenterXY(TPoint p) {
  if (p.X == model_->CenterX && p.Y == model_->CenterY) return;
  model_->CenterX = p.X;
  model_->CenterY = p.Y;
  window_->Invalidate();
}

void TGlobeEngine::Scroll(TScrollBarKind bar, TScrollCode code) {
  const bool horizontal = bar == TScrollBarKind::Horizontal;
  const std::int64_t d = horizontal ? std::int64_t{viewRect_.Right} - viewRect_.Left
                                    : std::int64_t{viewRect_.Bottom} - viewRect_.Top;
  const std::int64_t step = std::max<std::int64_t>(1, d / 20);
  std::int64_t move = 0;
  switch (code) {
    case TScrollCode::LineUp:
      move = -step;
      break;
    case TScrollCode::LineDown:
      move = step;
      break;
    case TScrollCode::PageUp:
      move = -(d / 2);
      break;
    case TScrollCode::PageDown:
      move = d / 2;
      break;
    case TScrollCode::Other:
      return;
  }
  if (horizontal)
    ScrollBy(Wrap32(move), 0);
  else
    ScrollBy(0, Wrap32(move));
}

TPoint TGlobeEngine::ScrollPosition() const {
  const long double s = model_->Scale;
  return {Wrap32(-Round64((std::int64_t{model_->CenterX} - viewWidth_ / 2) / s)),
          Wrap32(-Round64((std::int64_t{model_->CenterY} - viewHeight_ / 2) / s))};
}

}  // namespace meridex
