// What the world view draws over the globe's layers (the night side, the
// mark of the selected city and the scale bar) and the texts it shows of the
// selected city and the machine's clock.
#include <QDate>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "common/time_text.h"
#include "globe/globe.h"
#include "globe/globe_layer.h"
#include "globe/globe_object.h"
#include "worldtime/local_time.h"
#include "worldview/city_details.h"
#include "worldview/world_form.h"
#include "worldview/world_texts.h"

namespace meridex {

namespace {

constexpr int kShadeStep = 4;              // pixels between night-side samples
constexpr std::uint8_t kNightAlpha = 140;  // the darkest night lets the map show through
const QColor kNight(4, 8, 40);
constexpr TColor kScaleColor = 0x0000FF;  // red

QString ShortDate(std::chrono::sys_days day) {
  const std::chrono::year_month_day date{day};
  const QDate shown(int{date.year()}, static_cast<int>(unsigned{date.month()}),
                    static_cast<int>(unsigned{date.day()}));
  return QLocale().toString(shown, QLocale::ShortFormat);
}

const char* DaylightText(Daylight daylight) {
  switch (daylight) {
    case Daylight::Day:
      return "Day";
    case Daylight::Twilight:
      return "Twilight";
    case Daylight::Night:
      break;
  }
  return "Night";
}

}  // namespace

std::chrono::sys_days TWorldForm::Today() const {
  const auto today = std::chrono::floor<std::chrono::days>(ctx_.clock.localNow());
  return std::chrono::sys_days{today.time_since_epoch()};
}

void TWorldForm::ShowSystemTime() {
  // The date too: after midnight it is another day.
  SysDate->setText(ShortDate(Today()));
  SysTime->setText(QString::fromStdString(FormatTime12(TimeOfDayOf(ctx_.clock.localNow()))));
}

void TWorldForm::ShowCityDetails() {
  const std::optional<TCityDetails> details = CityDetailsFor(table_, selectedCity_, Today());
  if (!details) return;  // the labels keep the previous city
  const auto set = [](QLabel* label, const std::string& text) {
    label->setText(QString::fromLatin1(text.c_str()));
  };
  set(MapCity, details->City);
  set(CityState, details->State);
  set(CityCountry, details->Country);
  set(CityLon, details->Longitude);
  set(CityLat, details->Latitude);
  set(CityTime, details->Time);
  set(CityDow, details->DayOfWeek);
  CityDte->setText(details->Date ? ShortDate(*details->Date) : QStringLiteral("N/A"));
  // The sun over the city's marker on the map; a place of the user's own
  // has none.
  const TGlobeObject* marker = FindCity(selectedCity_);
  if (marker == nullptr || layers_.cities < 0 ||
      marker->Layer != &Globe->GetLayer(layers_.cities)) {
    CitySun->setText("N/A");
    return;
  }
  UpdateSun();
  const double altitude = SolarAltitude(night_.Sun(), marker->Location.Y / double(GU_DEGREE),
                                        marker->Location.X / double(GU_DEGREE));
  CitySun->setText(DaylightText(DaylightAt(altitude)));
}

bool TWorldForm::UpdateSun() {
  const UtcTime now = ctx_.clock.utcNow();
  const auto minute = std::chrono::floor<std::chrono::minutes>(now);
  if (sunMinute_ == minute) return false;
  sunMinute_ = minute;
  night_ = TNightSide(SubSolarPointAt(now));
  return true;
}

void TWorldForm::GlobeRender() {
  if (NightSide1->isChecked()) DrawNightSide();
  DrawSelectedCityMark();
  DrawScaleBar();
}

void TWorldForm::DrawNightSide() {
  QPainter* painter = Globe->RenderPainter();
  if (painter == nullptr) return;
  UpdateSun();
  const TNightShade shade = ShadeView(
      night_, Globe->ViewWidth(), Globe->ViewHeight(), kShadeStep,
      [this](int x, int y, double& latitude, double& longitude) {
        TLLPoint ll;
        if (!Globe->XYToLL(x, y, ll)) return false;
        latitude = ll.Y / double(GU_DEGREE);
        longitude = ll.X / double(GU_DEGREE);
        return true;
      },
      kNightAlpha);
  if (shade.columns == 0 || shade.rows == 0) return;
  QImage image(shade.columns, shade.rows, QImage::Format_ARGB32_Premultiplied);
  for (int r = 0; r < shade.rows; ++r) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(r));
    for (int c = 0; c < shade.columns; ++c) {
      const int a = shade.alpha[static_cast<std::size_t>(r) * shade.columns + c];
      line[c] = qRgba(kNight.red() * a / 255, kNight.green() * a / 255, kNight.blue() * a / 255, a);
    }
  }
  // Only on the globe disc or the map, which the shade's smoothing would
  // otherwise overlap by a few pixels.
  TPrjModel& model = Globe->PrjModel();
  const int n = model.ClipPolyPoints(model.ProjectOutline(), true, CLIP_ALL);
  if (n < 3) return;
  QPolygonF outline;
  for (int i = 0; i < n; ++i) outline << QPointF(model.Point(i).X, model.Point(i).Y);
  QPainterPath clip;
  clip.addPolygon(outline);
  painter->save();
  painter->setClipPath(clip, Qt::IntersectClip);
  painter->setRenderHint(QPainter::SmoothPixmapTransform);
  painter->drawImage(QRectF(0, 0, shade.columns * shade.step, shade.rows * shade.step), image);
  painter->restore();
}

void TWorldForm::DrawSelectedCityMark() {
  // A city's dot is a few pixels at most; a ring shows where the chosen one is.
  const TGlobeObject* selected = Globe->SelectedObject();
  if (selected == nullptr || layers_.cities < 0 ||
      selected->Layer != &Globe->GetLayer(layers_.cities))
    return;
  TPrjModel& model = Globe->PrjModel();
  if (!model.LLToXY(selected->Location.X, selected->Location.Y, 0)) return;
  const TPoint p = model.Point(0);
  TGlobeCanvas& canvas = Globe->DrawingCanvas();
  canvas.SetPen({0x0000FF, TPenStyle::psSolid, 2});
  canvas.SetBrush({0, TBrushStyle::bsClear});
  canvas.Ellipse(p.X - 7, p.Y - 7, p.X + 8, p.Y + 8);
}

void TWorldForm::DrawScaleBar() {
  TGlobeCanvas& canvas = Globe->DrawingCanvas();
  const int inch = Globe->PixelsPerInch();
  const int x0 = Globe->ViewWidth() - (inch + 50), y0 = Globe->ViewHeight() - 50;
  const QFont form = font();
  canvas.SetFont(TLogFont{form.family().toStdString(), -form.pixelSize()}, kScaleColor);
  const TBkMode mode = canvas.SetBkMode(TBkMode::Transparent);
  const auto centred = [&canvas](int x, int y, const std::string& text) {
    canvas.TextOut(x - canvas.TextExtent(text).X / 2, y, text);
  };
  centred(x0, y0, "0");
  centred(x0 + inch, y0, ScaleBarLabel(Globe->UnitsPerInch()));
  canvas.SetBkMode(mode);
  canvas.SetPen({kScaleColor, TPenStyle::psSolid, 1});
  const TPoint bracket[] = {
      {x0, y0 + 16}, {x0, y0 + 20}, {x0 + inch, y0 + 20}, {x0 + inch, y0 + 15}};
  canvas.Polyline(bracket, 4);
}

}  // namespace meridex
