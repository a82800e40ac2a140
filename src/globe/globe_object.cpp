#include "globe/globe_object.h"

#include "globe/globe_layer.h"

namespace meridex {

bool ExtentEmpty(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

TGlobeEngine& TGlobeObject::Globe() const { return Layer->Globe(); }

void TGlobeObject::WriteToStream(TGlobeWriter& stream) const {
  stream.WriteShortString(Title, kMaxTitle);
}

void TGlobeObject::ReadFromStream(TGlobeReader& stream) {
  if (stream.State.FileVersion < LAYER_VERSION_210) stream.Skip(1);
  Title = stream.ReadShortString().substr(0, kMaxTitle);
}

void TGlobeObject::ReadAttribute(TGlobeReader& stream, int slot) {
  SetAttribute(slot, Layer->Attributes(stream.ReadSmallInt()));
}

void TGlobeObject::WriteAttribute(TGlobeWriter& stream, const TGlobeAttribute* attribute) const {
  stream.WriteSmallInt(static_cast<std::int16_t>(Layer->IndexOfAttribute(attribute)));
}

void TGlobeObject::SetLocation(TLLPoint p) {
  // Truncating remainders: only values at or beyond +180 / +90 degrees wrap.
  Location = {Wrap32((std::int64_t{p.X} + GU_180) % GU_360 - GU_180),
              Wrap32((std::int64_t{p.Y} + GU_90) % (2 * std::int64_t{GU_90}) - GU_90)};
  ObjectState |= OS_RECALC_EXTENT;
  Changed();
}

TGlobeAttribute* TGlobeObject::GetAttribute(int) const { return nullptr; }

void TGlobeObject::SetAttribute(int, TGlobeAttribute*) {}

bool TGlobeObject::ProjectPoint(int, TLLPoint p, int index) {
  return Globe().PrjModel().LLToXY(p.X, p.Y, index);
}

bool TGlobeObject::CalcVisible() {
  TPrjModel& model = Globe().PrjModel();
  if (ExtentEmpty(Extent)) {
    if (!ProjectLocation()) return false;
    const TPoint p = model.Point(0);
    return p.X >= 0 && p.X < Globe().ViewWidth() && p.Y >= 0 && p.Y < Globe().ViewHeight();
  }
  // Corners on the hidden side keep the entry they had.
  model.Buffers().Reserve(4);
  ProjectPoint(0, {Extent.Left, Extent.Top}, 0);
  ProjectPoint(1, {Extent.Right, Extent.Top}, 1);
  ProjectPoint(2, {Extent.Right, Extent.Bottom}, 2);
  ProjectPoint(3, {Extent.Left, Extent.Bottom}, 3);
  bool visible = false;
  model.PointsClipCode(4, visible);
  return visible;
}

bool TGlobeObject::PtInObject(GlobeUnit lon, GlobeUnit lat) {
  return Extent.Left <= lon && lon < Extent.Right && Extent.Top <= lat && lat < Extent.Bottom;
}

void TGlobeObject::Changed() {
  ObjectState |= OS_RECALC_EXTENT;
  if (Layer->Animated)
    Globe().Repaint();
  else
    Globe().Redraw();
}

void TGlobeObject::SetSelected(bool value) {
  if (Selected() == value) return;
  if (value)
    ObjectState |= OS_SELECTED | OS_RETEST_VISIBLE;
  else
    ObjectState = static_cast<std::uint8_t>((ObjectState & ~OS_SELECTED) | OS_RETEST_VISIBLE);
  Globe().Redraw();
}

int TGlobeObject::Index() const { return Layer->IndexOfObject(this); }

std::pmr::memory_resource& TGlobeObject::Memory() const { return Layer->Memory(); }
std::pmr::memory_resource& TGlobeObject::VertexMemory() const { return Layer->VertexMemory(); }
std::pmr::memory_resource& TGlobeObject::KeptMemory() const { return Layer->KeptMemory(); }

}  // namespace meridex
