#pragma once

#include "globe/globe_object.h"

namespace meridex {

// A lat/long grid over Extent: major lines every LonStep / LatStep with
// MajorPen (attribute 0), minor lines every LonSubStep / LatSubStep inside
// each major cell with MinorPen (attribute 1).
class TGlobeGrid : public TGlobeObject {
 public:
  // A direction whose lines would number more than this is not drawn (a
  // grid line is drawn in as many steps as there are lines across, so the
  // work grows with the square of the count).
  static constexpr std::int64_t kMaxLines = 1'000;

  using TGlobeObject::TGlobeObject;
  const char* ClassName() const override { return "TGlobeGrid"; }
  void WriteToStream(TGlobeWriter& stream) const override;
  void ReadFromStream(TGlobeReader& stream) override;
  TGlobeAttribute* GetAttribute(int index) const override;
  void SetAttribute(int index, TGlobeAttribute* attribute) override;
  void Render() override;
  void CalcExtent() override {}  // the extent comes with the record

  std::int32_t LonStep = 0, LatStep = 0;        // GlobeUnits
  std::int32_t LonSubStep = 0, LatSubStep = 0;  // GlobeUnits
  TGlobePen* MajorPen = nullptr;
  TGlobePen* MinorPen = nullptr;
};

}  // namespace meridex
