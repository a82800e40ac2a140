#include "worldview/world_texts.h"

#include "globe/lat_long_text.h"

namespace meridex {

std::string PointerCaption(TLLPoint position, const std::vector<TLayerHit>& hitsLastLayerFirst,
                           int shapeLayer) {
  std::string text = FormatLatLong(position.X, "%d.%m%E ") + FormatLatLong(position.Y, "%d.%m%N");
  std::string shape;
  for (const TLayerHit& hit : hitsLastLayerFirst) {
    if (hit.layer == shapeLayer) {
      shape = hit.title;
    } else if (!hit.title.empty()) {
      text += " - " + hit.title;
    }
  }
  return " World View : " + text + " - " + shape;
}

std::string ScaleBarLabel(std::int32_t unitsPerInch) {
  TGlobeUnits unit = TGlobeUnits::Kilometer;
  if (GlobeUnitsToUnits(unitsPerInch, unit) < 10) {
    unit = TGlobeUnits::Meter;
    if (GlobeUnitsToUnits(unitsPerInch, unit) < 10) unit = TGlobeUnits::CentiMeter;
  }
  return std::to_string(GlobeUnitsToUnits(unitsPerInch, unit)) + " " + UnitsToStr(unit);
}

}  // namespace meridex
