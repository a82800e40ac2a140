#pragma once

#include <cstdint>
#include <string>

#include "globe/globe_canvas.h"
#include "globe/globe_persistant.h"
#include "globe/globe_units.h"

namespace meridex {

// Object state bits (see TGlobeObject).
inline constexpr std::uint8_t OS_RECALC_EXTENT = 0x01;
inline constexpr std::uint8_t OS_RETEST_VISIBLE = 0x02;
inline constexpr std::uint8_t OS_ON_SCREEN = 0x04;
inline constexpr std::uint8_t OS_SELECTED = 0x08;
inline constexpr std::uint8_t OS_TOO_SMALL = 0x10;
inline constexpr std::uint8_t OS_OWN_ATTRIBUTES = 0x20;

// A pen, brush or font shared by the objects of one layer, which refer to it
// by its position in the layer's attribute list.
class TGlobeAttribute : public TGlobePersistant {
 public:
  using TGlobePersistant::TGlobePersistant;

  // Puts the attribute on the drawing canvas, unless the object state lacks
  // OS_OWN_ATTRIBUTES (a render handler has set the canvas itself).
  virtual void Realize(std::uint8_t objectState) const = 0;
  // The equal attribute of target (found or made).
  virtual TGlobeAttribute* CopyToLayer(TGlobeLayer& target) const = 0;
  virtual void ResetCache() const {}
  // Takes the attribute out of its layer and destroys it.
  virtual void Delete();
};

class TGlobePen : public TGlobeAttribute {
 public:
  using TGlobeAttribute::TGlobeAttribute;
  std::uint16_t DataVersion() const override { return 1; }
  const char* ClassName() const override { return "TGlobePen"; }
  void WriteToStream(TGlobeWriter& stream) const override;
  void ReadFromStream(TGlobeReader& stream) override;
  void Realize(std::uint8_t objectState) const override;
  TGlobeAttribute* CopyToLayer(TGlobeLayer& target) const override;

  TColor Color = 0;
  TPenStyle Style = TPenStyle::psSolid;
  std::uint8_t Width = 1;  // pixels
};

class TGlobeBrush : public TGlobeAttribute {
 public:
  using TGlobeAttribute::TGlobeAttribute;
  const char* ClassName() const override { return "TGlobeBrush"; }
  void WriteToStream(TGlobeWriter& stream) const override;
  void ReadFromStream(TGlobeReader& stream) override;
  void Realize(std::uint8_t objectState) const override;
  TGlobeAttribute* CopyToLayer(TGlobeLayer& target) const override;

  TColor Color = 0;
  TBrushStyle Style = TBrushStyle::bsSolid;
};

class TGlobeFont : public TGlobeAttribute {
 public:
  static constexpr std::size_t kMaxName = 64;

  using TGlobeAttribute::TGlobeAttribute;
  const char* ClassName() const override { return "TGlobeFont"; }
  void WriteToStream(TGlobeWriter& stream) const override;
  void ReadFromStream(TGlobeReader& stream) override;
  void Realize(std::uint8_t objectState) const override;
  TGlobeAttribute* CopyToLayer(TGlobeLayer& target) const override;
  // Forgets which font the canvas holds, so the next Realize makes it again.
  void ResetCache() const override;

  // The height to draw at, in pixels: with the layer's ScaleFont the height
  // is in Units and follows the zoom, otherwise it is pixels; never above
  // the layer's MaxFontHeight (when set). May be negative.
  std::int32_t PixelHeight() const;
  void SetUnits(TGlobeUnits units);

  std::int32_t UnitFactor = 90000;  // GlobeUnits per one Unit
  TGlobeUnits Units = TGlobeUnits::NauticalMile;
  std::uint8_t Style = 0;  // FS_* bits
  TColor Color = 0;
  std::int16_t Height = 0;  // in Units, or pixels
  std::int16_t Angle = 0;   // tenths of a degree, counter-clockwise
  std::string Name;         // at most 64 characters
};

// The first attribute of layer with these values, or a new one.
TGlobePen* FindOrCreatePen(TGlobeLayer& layer, TColor color, TPenStyle style, std::uint8_t width);
TGlobeBrush* FindOrCreateBrush(TGlobeLayer& layer, TColor color, TBrushStyle style);
TGlobeFont* FindOrCreateFont(TGlobeLayer& layer, const std::string& name, std::uint8_t style,
                             std::int16_t angle, std::int16_t height, TGlobeUnits units,
                             TColor color);

}  // namespace meridex
