#include "globe/globe_text.h"

#include <cmath>
#include <cstdlib>

#include "globe/globe_layer.h"

namespace meridex {

namespace {

// Draws with a transparent background and restores the mode after.
void DrawText(TGlobeCanvas& canvas, int x, int y, const std::string& text) {
  const TBkMode old = canvas.SetBkMode(TBkMode::Transparent);
  canvas.TextOut(x, y, text);
  canvas.SetBkMode(old);
}

}  // namespace

// --- text

void TGlobeText::WriteToStream(TGlobeWriter& stream) const {
  TGlobeObject::WriteToStream(stream);
  stream.WriteLLPoint(Location);
  WriteAttribute(stream, Font);
}

void TGlobeText::ReadFromStream(TGlobeReader& stream) {
  TGlobeObject::ReadFromStream(stream);
  Location = stream.ReadLLPoint();
  ReadAttribute(stream, 0);
}

TGlobeAttribute* TGlobeText::GetAttribute(int index) const { return index == 0 ? Font : nullptr; }

void TGlobeText::SetAttribute(int index, TGlobeAttribute* attribute) {
  if (index != 0) return;
  if (auto* font = dynamic_cast<TGlobeFont*>(attribute)) Font = font;
}

bool TGlobeText::ProjectPoint(int slot, TLLPoint p, int index) {
  if (kept_.empty()) kept_.resize(kLocation + 1);
  return Globe().PrjModel().LLToXYKept(p, kept_[static_cast<std::size_t>(slot)], index);
}

void TGlobeText::Prefetch(bool) const {
  // The object and what it keeps of its corners and location.
  const char* self = reinterpret_cast<const char*>(this);
  for (std::size_t at = 0; at < sizeof(TGlobeText); at += 64) __builtin_prefetch(self + at);
  const char* kept = reinterpret_cast<const char*>(kept_.data());
  const std::size_t bytes = kept_.size() * sizeof(TPointMemo);
  for (std::size_t at = 0; at < bytes; at += 64) __builtin_prefetch(kept + at);
}

bool TGlobeText::Anchor(TPoint& p) {
  if (!ProjectLocation()) return false;
  p = Globe().PrjModel().Point(0);
  return true;
}

void TGlobeText::Render() {
  TPoint p;
  if (Title.empty() || !Font || !Anchor(p)) return;
  if (std::llabs(PixelHeight()) < Globe().MinTextHeight()) return;
  Font->Realize(ObjectState);
  DrawText(Globe().DrawingCanvas(), p.X + Globe().RenderState().LabelOffset, p.Y, Title);
}

void TGlobeText::CalcExtent() {
  const std::int64_t h = Round64(std::llabs(PixelHeight()) / Globe().Scale());
  Extent = {Location.X, Wrap32(Location.Y - h), Wrap32(Location.X + h), Location.Y};
}

// --- point text

void TGlobePointText::Render() {
  TRenderState& state = Globe().RenderState();
  state.LabelOffset = PixelHeight() / 2;
  TGlobeText::Render();
  TPoint p;
  if (Font && Anchor(p)) {
    TGlobeCanvas& canvas = Globe().DrawingCanvas();
    const int r = state.LabelOffset;
    if (r > 1) {
      canvas.SetBrush({Font->Color, TBrushStyle::bsSolid});
      canvas.SetPenColor(0);
      canvas.Ellipse(p.X + r, p.Y + r, p.X - r, p.Y - r);
    } else {
      canvas.SetPixel(p.X, p.Y, Font->Color);
    }
  }
  state.LabelOffset = 0;
}

void TGlobePointText::CalcExtent() {
  const std::int64_t h = Round64(PixelHeight() * 0.5L / Globe().Scale());
  Extent = {Wrap32(Location.X - h), Wrap32(Location.Y - h), Wrap32(Location.X + h),
            Wrap32(Location.Y + h)};
}

// --- symbol

void TGlobeSymbol::WriteToStream(TGlobeWriter& stream) const {
  TGlobeText::WriteToStream(stream);
  stream.WriteSmallInt(static_cast<std::int16_t>(SymbolCode));
}

void TGlobeSymbol::ReadFromStream(TGlobeReader& stream) {
  TGlobeText::ReadFromStream(stream);
  SymbolCode = static_cast<std::uint16_t>(stream.ReadSmallInt());
}

void TGlobeSymbol::Render() {
  TPoint p;
  if (!Font || !Anchor(p)) return;
  TGlobeCanvas& canvas = Globe().DrawingCanvas();
  if (std::llabs(PixelHeight()) <= 3) {
    canvas.SetPixel(p.X, p.Y, Font->Color);
    return;
  }
  Font->Realize(ObjectState);
  const int degrees = -Font->Angle / 10;  // whole degrees, toward zero
  const long double theta = degrees * 3.14159265358979323846264338327950288L / 180;
  const std::string glyph(1, static_cast<char>(SymbolCode & 0xFF));
  const TPoint size = canvas.TextExtent(glyph);
  const int hw = size.X / 2, hh = size.Y / 2;
  // Offset of the glyph's middle from its top-left corner, turned by theta.
  const int dy = static_cast<int>(std::trunc(hw * std::sin(theta) + hh * std::cos(theta)));
  const int dx = static_cast<int>(std::trunc(hw * std::cos(theta) - hh * std::sin(theta)));
  DrawText(canvas, p.X - dx, p.Y - dy, glyph);
}

void TGlobeSymbol::CalcExtent() {
  const std::int64_t h = Round64(std::llabs(PixelHeight()) * 0.5L / Globe().Scale());
  Extent = {Wrap32(Location.X - h), Wrap32(Location.Y - h), Wrap32(Location.X + h),
            Wrap32(Location.Y + h)};
}

}  // namespace meridex
