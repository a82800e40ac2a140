// Mouse gestures, the wheel and the keyboard.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "globe/globe_engine.h"
#include "globe/globe_units.h"
#include "globe/rotation.h"

namespace meridex {

namespace {

constexpr int kMinBand = 10;                   // a zoom band counts when larger, both ways
constexpr int kWheelNotch = 120;               // one notch of a mouse wheel
constexpr int kWheelMinStep = 15;              // smaller touchpad steps wait for more
constexpr GlobeUnit kKeyTurn = 5 * GU_DEGREE;  // the largest turn of an arrow key
constexpr long double kKeyZoom = 1.41421356237309504880L;  // a notch of the wheel

bool Matches(TGlobeMouseButton setting, TMouseButton button) {
  return static_cast<int>(setting) == static_cast<int>(button);
}

// The rotation about the y-z plane's origin that carries q into w, as an
// angle: w = e^(-i X) q with y the real and z the imaginary part.
long double TiltBetween(long double qy, long double qz, long double wy, long double wz) {
  long double x = std::atan2(qz, qy) - std::atan2(wz, wy);
  if (x > std::numbers::pi_v<long double>) x -= 2 * std::numbers::pi_v<long double>;
  if (x <= -std::numbers::pi_v<long double>) x += 2 * std::numbers::pi_v<long double>;
  return x;
}

long double AngleDistance(long double a, long double b) {
  const long double d = std::remainder(a - b, 2 * std::numbers::pi_v<long double>);
  return std::fabs(d);
}

}  // namespace

void TGlobeEngine::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (zoomBandActive_) {  // a second press cancels the band
    zoomBandActive_ = false;
    window_->Invalidate();
    return;
  }
  if (OnMouseDown) OnMouseDown(button, shift, x, y);
  if (shift.Any()) return;
  if (Matches(MouseZoomButton, button)) {
    zoomBand_ = {x, y, x + 1, y + 1};
    zoomBandActive_ = true;
  }
  if (Matches(MouseSelectButton, button)) SetSelectedObject(ObjectAtXY(x, y));
  if (Matches(MouseRotateButton, button) && model_->XYToLL(x, y, 0)) {
    rotateAnchor_ = model_->Point(0);
    rotating_ = true;
  }
}

void TGlobeEngine::MouseMove(TShiftState shift, int x, int y) {
  if (zoomBandActive_) {
    zoomBand_.Right = x;
    zoomBand_.Bottom = y;
    window_->Invalidate();  // the band is drawn over the cached picture
  }
  if (rotating_) RotateTo(x, y);
  if (OnMouseMove) OnMouseMove(shift, x, y);
}

void TGlobeEngine::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (zoomBandActive_) {
    zoomBandActive_ = false;
    window_->Invalidate();
    const TRect band = zoomBand_;
    // Only a drag towards the lower right counts.
    if (band.Right - band.Left > kMinBand && band.Bottom - band.Top > kMinBand) {
      const long double s = model_->Scale;
      ZoomToRect({Round32(band.Left / s), Round32(band.Top / s), Round32(band.Right / s),
                  Round32(band.Bottom / s)});
    }
  }
  rotating_ = false;
  if (OnMouseUp) OnMouseUp(button, shift, x, y);
}

void TGlobeEngine::RotateTo(int x, int y) {
  if (!model_->XYToLL(x, y, 0)) return;  // off the globe or map: nothing turns
  if (projection_ == TGlobeProjection::gpSpherical) {
    RotateSphereTo(x, y);
    return;
  }
  // The maps pan by the change of rotation; the centre then takes the
  // grabbed point exactly under the pointer (on the Mercator map a change of
  // latitude moves the map by its own Mercator height, which differs from
  // the change of the grabbed point's height).
  const TLLPoint p = model_->Point(0);
  SetRotation(ROT_Y, Wrap32(std::int64_t{model_->YRotation} + p.X - rotateAnchor_.X));
  SetRotation(ROT_X, Wrap32(std::int64_t{model_->XRotation} + rotateAnchor_.Y - p.Y));
  if (model_->LLToXY(rotateAnchor_.X, rotateAnchor_.Y, 0)) {
    const TPoint at = model_->Point(0);
    SetCenterXY({Wrap32(std::int64_t{model_->CenterX} + x - at.X),
                 Wrap32(std::int64_t{model_->CenterY} + y - at.Y)});
    Redraw();
  }
}

// Finds the tilt and spin that put the grabbed point under the pointer,
// keeping the third rotation (north stays where it is on the screen). With
// M = diag(1, -1, 1) Rx(-X) Ry(-Y) Rz(-Z), the point P' = Rz(-Z) P at
// distance rho from the polar axis and angle alpha about it lands on the
// screen's unit vector t when rho cos(alpha + Y) = t.x, which gives two
// spins; each fixes the tilt that turns the rest into (-t.y, t.z). The one
// with a tilt within 90 degrees nearest to the present view wins. Out of
// reach (a point near the pole pulled sideways beyond its circle of
// latitude) the point comes as near as it can.
void TGlobeEngine::RotateSphereTo(int x, int y) {
  const auto& sphere = *model_;
  const long double radius = sphere.Scale * EARTH_RADIUS;
  const long double tx = (x - static_cast<long double>(sphere.CenterX)) / radius;
  const long double ty = (y - static_cast<long double>(sphere.CenterY)) / radius;
  const long double rest = 1 - tx * tx - ty * ty;
  if (rest < 0) return;
  const long double tz = -std::sqrt(rest);

  long double sinLon, cosLon, sinLat, cosLat, sinZ, cosZ;
  SinCos(rotateAnchor_.X * RADIANS_PER_GU, sinLon, cosLon);
  SinCos(rotateAnchor_.Y * RADIANS_PER_GU, sinLat, cosLat);
  SinCos(sphere.ZRotation * RADIANS_PER_GU, sinZ, cosZ);
  const long double px = cosLat * cosLon, py = sinLat, pz = cosLat * sinLon;
  // Rz(-Z): x' = cos Z x + sin Z y, y' = -sin Z x + cos Z y.
  const long double ax = cosZ * px + sinZ * py, ay = -sinZ * px + cosZ * py, az = pz;
  const long double rho = std::hypot(ax, az);
  const long double alpha = std::atan2(az, ax);
  const long double nowX = sphere.XRotation * RADIANS_PER_GU;
  const long double nowY = sphere.YRotation * RADIANS_PER_GU;

  long double spins[2];
  int count = 0;
  if (rho < 1e-12L) {
    spins[count++] = nowY;  // the pole itself: any spin will do
  } else {
    const long double beta = std::acos(std::clamp(tx / rho, -1.0L, 1.0L));
    spins[count++] = beta - alpha;
    spins[count++] = -beta - alpha;
  }
  bool found = false;
  long double bestX = 0, bestY = 0, bestDistance = 0;
  for (int i = 0; i < count; ++i) {
    const long double spin = spins[i];
    const long double qz = rho * std::sin(alpha + spin);
    const long double tilt = TiltBetween(ay, qz, -ty, tz);
    if (std::fabs(tilt) > std::numbers::pi_v<long double> / 2) continue;
    const long double distance = AngleDistance(spin, nowY) + std::fabs(tilt - nowX);
    if (!found || distance < bestDistance) {
      found = true;
      bestX = tilt;
      bestY = spin;
      bestDistance = distance;
    }
  }
  if (!found) return;
  const long double turn = std::remainder(bestY, 2 * std::numbers::pi_v<long double>);
  model_->SetView(Round32(bestX * GU_PER_RADIAN), Round32(turn * GU_PER_RADIAN), sphere.Scale,
                  sphere.ZRotation);
}

void TGlobeEngine::MouseWheel(int delta, int x, int y) {
  wheelDelta_ += delta;
  if (std::abs(wheelDelta_) < kWheelMinStep) return;
  const long double factor = std::pow(2.0L, wheelDelta_ / (2.0L * kWheelNotch));
  wheelDelta_ = 0;
  ZoomAt(model_->Scale * factor, x, y);
}

bool TGlobeEngine::KeyCommand(TGlobeKey key) {
  switch (key) {
    case TGlobeKey::ZoomIn:
      SetScale(model_->Scale * kKeyZoom);
      return true;
    case TGlobeKey::ZoomOut:
      SetScale(model_->Scale / kKeyZoom);
      return true;
    case TGlobeKey::Home:
      ZoomToRect({});
      return true;
    default:
      break;
  }
  const bool horizontal = key == TGlobeKey::Left || key == TGlobeKey::Right;
  const bool back = key == TGlobeKey::Left || key == TGlobeKey::Down;
  if (projection_ != TGlobeProjection::gpSpherical) {
    // West and south are "up" on the scroll bars' scale.
    const bool up = key == TGlobeKey::Left || key == TGlobeKey::Up;
    Scroll(horizontal ? TScrollBarKind::Horizontal : TScrollBarKind::Vertical,
           up ? TScrollCode::LineUp : TScrollCode::LineDown);
    return true;
  }
  // A twentieth of the view, at most 5 degrees: the globe turns under the
  // view towards the arrow (west is a larger Y rotation, north a larger X).
  const std::int64_t width = std::int64_t{viewRect_.Right} - viewRect_.Left;
  const GlobeUnit step = Wrap32(std::clamp<std::int64_t>(width / 20, 1, kKeyTurn));
  if (horizontal)
    SetRotation(ROT_Y, Wrap32(std::int64_t{model_->YRotation} + (back ? step : -step)));
  else
    SetRotation(ROT_X, Wrap32(std::int64_t{model_->XRotation} + (back ? -step : step)));
  return true;
}

}  // namespace meridex
