#pragma once

#include <memory_resource>
#include <vector>

#include "globe/globe_object.h"
#include "globe/prj_model.h"

namespace meridex {

// A text drawn with its top-left corner on Location, in Font (attribute 0).
class TGlobeText : public TGlobeObject {
 public:
  using TGlobeObject::TGlobeObject;
  const char* ClassName() const override { return "TGlobeText"; }
  void WriteToStream(TGlobeWriter& stream) const override;
  void ReadFromStream(TGlobeReader& stream) override;
  TGlobeAttribute* GetAttribute(int index) const override;
  void SetAttribute(int index, TGlobeAttribute* attribute) override;
  void Render() override;
  // A square of the font height east and south of Location.
  void CalcExtent() override;
  void Prefetch(bool viewChanged) const override;

  TGlobeFont* Font = nullptr;

 protected:
  // Keeps what the projection needs of the corners and the location: a map
  // has many labels, and each is tested and drawn on every new picture.
  bool ProjectPoint(int slot, TLLPoint p, int index) override;
  std::int32_t PixelHeight() const { return Font ? Font->PixelHeight() : 0; }
  // Location's pixel, if visible.
  bool Anchor(TPoint& p);

 private:
  // One per slot, made when first drawn, in the layer's memory.
  std::pmr::vector<TPointMemo> kept_{&Memory()};
};

// A dot on Location with its label half a font height to the right.
class TGlobePointText : public TGlobeText {
 public:
  using TGlobeText::TGlobeText;
  const char* ClassName() const override { return "TGlobePointText"; }
  void Render() override;
  void CalcExtent() override;
};

// One character (the low byte of SymbolCode, Latin-1), centred on Location
// and turned by the font's angle.
class TGlobeSymbol : public TGlobeText {
 public:
  using TGlobeText::TGlobeText;
  const char* ClassName() const override { return "TGlobeSymbol"; }
  void WriteToStream(TGlobeWriter& stream) const override;
  void ReadFromStream(TGlobeReader& stream) override;
  void Render() override;
  void CalcExtent() override;

  std::uint16_t SymbolCode = 0;
};

}  // namespace meridex
