#pragma once

#include "globe/globe_object.h"
#include "globe/ll_point_list.h"
#include "globe/prj_model.h"

namespace meridex {

// An open line through Points, drawn with Pen (attribute 0).
class TGlobePolyLine : public TGlobeObject {
 public:
  using TGlobeObject::TGlobeObject;
  const char* ClassName() const override { return "TGlobePolyLine"; }
  void WriteToStream(TGlobeWriter& stream) const override;
  void ReadFromStream(TGlobeReader& stream) override;
  // Moves every vertex with the location (without wrapping them).
  void SetLocation(TLLPoint p) override;
  TGlobeAttribute* GetAttribute(int index) const override;
  void SetAttribute(int index, TGlobeAttribute* attribute) override;
  bool CalcVisible() override;
  void Render() override;
  // The vertices' bounding box grown by one GlobeUnit; Location becomes its
  // middle. Discards the projection cache.
  void CalcExtent() override;
  // Within a pixel of one of the segments.
  bool PtInObject(GlobeUnit lon, GlobeUnit lat) override;

  void Prefetch(bool viewChanged) const override;

  // What a paint reads first, near the object's start.
  TGlobePen* Pen = nullptr;
  std::uint8_t ClipCode = 0;  // edges to clip against, from the last visibility test
  TProjectionCache ProjectionCache{Memory(), KeptMemory()};
  TLLPointList Points{VertexMemory()};

 private:
  struct TBox {
    std::int64_t Left, Top, Right, Bottom;
  };
  // The vertices' box grown by one GlobeUnit, at Points' version boxVersion_.
  TBox box_{};
  std::uint64_t boxVersion_ = 0;
  bool boxKnown_ = false;
};

// A closed shape through Points, outlined with Pen, filled with Brush
// (attribute 1).
class TGlobePolygon : public TGlobePolyLine {
 public:
  using TGlobePolyLine::TGlobePolyLine;
  const char* ClassName() const override { return "TGlobePolygon"; }
  void WriteToStream(TGlobeWriter& stream) const override;
  void ReadFromStream(TGlobeReader& stream) override;
  TGlobeAttribute* GetAttribute(int index) const override;
  void SetAttribute(int index, TGlobeAttribute* attribute) override;
  void Render() override;
  // Inside by the even-odd rule.
  bool PtInObject(GlobeUnit lon, GlobeUnit lat) override;
  void Prefetch(bool viewChanged) const override;

  TGlobeBrush* Brush = nullptr;
};

}  // namespace meridex
