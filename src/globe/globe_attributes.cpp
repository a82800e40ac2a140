#include "globe/globe_attributes.h"

#include <cstdlib>

#include "globe/globe_layer.h"

namespace meridex {

void TGlobeAttribute::Delete() {
  if (Layer) Layer->DeleteAttribute(this);  // destroys this
}

// --- pen

void TGlobePen::WriteToStream(TGlobeWriter& stream) const {
  stream.WriteInteger(static_cast<std::int32_t>(Color));
  stream.WriteByte(static_cast<std::uint8_t>(Style));
  stream.WriteByte(Width);
}

void TGlobePen::ReadFromStream(TGlobeReader& stream) {
  Color = static_cast<TColor>(stream.ReadInteger());
  Style = static_cast<TPenStyle>(stream.ReadByte());
  // Blocks written before pens had a width hold one byte less.
  Width = stream.State.ClassDataVersion == 1 ? stream.ReadByte() : 1;
}

void TGlobePen::Realize(std::uint8_t objectState) const {
  if (!(objectState & OS_OWN_ATTRIBUTES)) return;
  TGlobeEngine& globe = Layer->Globe();
  if (objectState & OS_SELECTED)
    globe.DrawingCanvas().SetPen(globe.SelectedPen);
  else
    globe.DrawingCanvas().SetPen({Color, Style, Width});
}

TGlobeAttribute* TGlobePen::CopyToLayer(TGlobeLayer& target) const {
  return FindOrCreatePen(target, Color, Style, Width);
}

// --- brush

void TGlobeBrush::WriteToStream(TGlobeWriter& stream) const {
  stream.WriteInteger(static_cast<std::int32_t>(Color));
  stream.WriteByte(static_cast<std::uint8_t>(Style));
}

void TGlobeBrush::ReadFromStream(TGlobeReader& stream) {
  Color = static_cast<TColor>(stream.ReadInteger());
  Style = static_cast<TBrushStyle>(stream.ReadByte());
}

void TGlobeBrush::Realize(std::uint8_t objectState) const {
  if (!(objectState & OS_OWN_ATTRIBUTES)) return;
  TGlobeEngine& globe = Layer->Globe();
  if (objectState & OS_SELECTED)
    globe.DrawingCanvas().SetBrush(globe.SelectedBrush);
  else
    globe.DrawingCanvas().SetBrush({Color, Style});
}

TGlobeAttribute* TGlobeBrush::CopyToLayer(TGlobeLayer& target) const {
  return FindOrCreateBrush(target, Color, Style);
}

// --- font

void TGlobeFont::WriteToStream(TGlobeWriter& stream) const {
  stream.WriteInteger(static_cast<std::int32_t>(Color));
  stream.WriteByte(static_cast<std::uint8_t>(Units));
  stream.WriteSmallInt(Height);
  stream.WriteSmallInt(Angle);
  stream.WriteByte(Style);
  stream.WriteShortString(Name, kMaxName);
}

void TGlobeFont::ReadFromStream(TGlobeReader& stream) {
  Color = static_cast<TColor>(stream.ReadInteger());
  SetUnits(stream.State.FileVersion >= LAYER_VERSION_210
               ? static_cast<TGlobeUnits>(stream.ReadByte())
               : TGlobeUnits::NauticalMile);
  Height = stream.ReadSmallInt();
  Angle = stream.ReadSmallInt();
  Style = stream.ReadByte();
  Name = stream.ReadShortString().substr(0, kMaxName);
}

void TGlobeFont::SetUnits(TGlobeUnits units) {
  Units = units;
  UnitFactor = UnitsToGlobeUnits(1, units);
}

std::int32_t TGlobeFont::PixelHeight() const {
  std::int32_t h = Height;
  if (Layer->ScaleFont) {
    const std::int32_t gu = Wrap32(std::int64_t{Height} * UnitFactor);
    h = Round32(gu * Layer->Globe().Scale());
  }
  if (Layer->MaxFontHeight != 0 && Layer->MaxFontHeight < std::llabs(h)) h = Layer->MaxFontHeight;
  return h;
}

void TGlobeFont::Realize(std::uint8_t objectState) const {
  if (!(objectState & OS_OWN_ATTRIBUTES)) return;
  TGlobeEngine& globe = Layer->Globe();
  TRenderState& state = globe.RenderState();
  if (objectState & OS_SELECTED) {
    globe.DrawingCanvas().SetFont(GlobeLogFont(Name, PixelHeight(), Style, Angle), 0x0000FF);
    state.CurrentFont = nullptr;
    return;
  }
  if (state.CurrentFont == this) return;
  globe.DrawingCanvas().SetFont(GlobeLogFont(Name, PixelHeight(), Style, Angle), Color);
  state.CurrentFont = this;
}

void TGlobeFont::ResetCache() const { Layer->Globe().RenderState().CurrentFont = nullptr; }

TGlobeAttribute* TGlobeFont::CopyToLayer(TGlobeLayer& target) const {
  return FindOrCreateFont(target, Name, Style, Angle, Height, Units, Color);
}

// --- sharing

TGlobePen* FindOrCreatePen(TGlobeLayer& layer, TColor color, TPenStyle style, std::uint8_t width) {
  for (int i = 0; i < layer.AttributeCount(); ++i) {
    auto* pen = dynamic_cast<TGlobePen*>(layer.Attributes(i));
    if (pen && pen->Color == color && pen->Style == style && pen->Width == width) return pen;
  }
  auto* pen = CreateIn<TGlobePen>(layer);
  pen->Color = color;
  pen->Style = style;
  pen->Width = width;
  return pen;
}

TGlobeBrush* FindOrCreateBrush(TGlobeLayer& layer, TColor color, TBrushStyle style) {
  for (int i = 0; i < layer.AttributeCount(); ++i) {
    auto* brush = dynamic_cast<TGlobeBrush*>(layer.Attributes(i));
    if (brush && brush->Color == color && brush->Style == style) return brush;
  }
  auto* brush = CreateIn<TGlobeBrush>(layer);
  brush->Color = color;
  brush->Style = style;
  return brush;
}

TGlobeFont* FindOrCreateFont(TGlobeLayer& layer, const std::string& name, std::uint8_t style,
                             std::int16_t angle, std::int16_t height, TGlobeUnits units,
                             TColor color) {
  const std::string cut = name.substr(0, TGlobeFont::kMaxName);
  for (int i = 0; i < layer.AttributeCount(); ++i) {
    auto* font = dynamic_cast<TGlobeFont*>(layer.Attributes(i));
    if (font && font->Name == cut && font->Style == style && font->Angle == angle &&
        font->Height == height && font->Units == units && font->Color == color)
      return font;
  }
  auto* font = CreateIn<TGlobeFont>(layer);
  font->Name = cut;
  font->Style = style;
  font->Angle = angle;
  font->Height = height;
  font->SetUnits(units);
  font->Color = color;
  return font;
}

}  // namespace meridex
