#pragma once

#include <cstdint>
#include <string>

#include "globe/globe_attributes.h"
#include "globe/globe_engine.h"
#include "globe/globe_persistant.h"

namespace meridex {

// Something a layer draws: texts, labelled dots, symbols, lines, filled
// shapes and grids. Coordinates are GlobeUnits.
//
// ObjectState bits: OS_RECALC_EXTENT (set on creation, moves, changes and
// zooms; cleared by the layer render before CalcExtent), OS_RETEST_VISIBLE
// (set after a new extent and on (de)selection; cleared by a visibility test
// that fails), OS_ON_SCREEN (set by a visibility test that succeeds),
// OS_SELECTED (SetSelected), OS_TOO_SMALL (a line no larger than a pixel),
// OS_OWN_ATTRIBUTES (draw with the object's own pens, brushes and fonts).
class TGlobeObject : public TGlobePersistant {
 public:
  static constexpr std::size_t kMaxTitle = 64;

  explicit TGlobeObject(TGlobeLayer& layer) : TGlobePersistant(layer) {}

  void WriteToStream(TGlobeWriter& stream) const override;
  void ReadFromStream(TGlobeReader& stream) override;

  // Moves the object; positions at or beyond 180 E / 90 N wrap.
  virtual void SetLocation(TLLPoint p);
  // The attribute in slot index (see each class), or nullptr.
  virtual TGlobeAttribute* GetAttribute(int index) const;
  // Stores attribute in slot index when the slot exists and the attribute
  // has the class it needs; anything else is ignored.
  virtual void SetAttribute(int index, TGlobeAttribute* attribute);
  // Whether the object can be seen in the view.
  virtual bool CalcVisible();
  // Draws on the globe's drawing canvas.
  virtual void Render() = 0;
  // Recomputes Extent for the current zoom.
  virtual void CalcExtent() = 0;
  // Whether the point (GlobeUnits) hits the object.
  virtual bool PtInObject(GlobeUnit lon, GlobeUnit lat);
  // Asks the processor to fetch what the next visibility test and drawing
  // of the object read, a few objects ahead of the layer's paint: the
  // objects lie apart in memory and a map has thousands. After a view
  // change (viewChanged) the whole object is read. Changes nothing.
  virtual void Prefetch(bool viewChanged) const { (void)viewChanged; }

  // The object must be recomputed and the picture redrawn.
  void Changed();
  void SetSelected(bool value);
  bool Selected() const { return (ObjectState & OS_SELECTED) != 0; }
  // Position in the layer's object list.
  int Index() const;
  // Its layer's memories (see TGlobeLayer): for what the object keeps, for
  // its vertices, and for the sphere's picked earth coordinates.
  std::pmr::memory_resource& Memory() const;
  std::pmr::memory_resource& VertexMemory() const;
  std::pmr::memory_resource& KeptMemory() const;

  std::uint8_t ObjectState = OS_RECALC_EXTENT;
  std::string Title;  // at most 64 characters
  TLLPoint Location;
  TRect Extent;  // west, south, east, north; empty when Right <= Left or Bottom <= Top

 protected:
  TGlobeEngine& Globe() const;
  // Reads an attribute index and stores the attribute in slot.
  void ReadAttribute(TGlobeReader& stream, int slot);
  void WriteAttribute(TGlobeWriter& stream, const TGlobeAttribute* attribute) const;
  // Projects Location into buffer entry 0.
  bool ProjectLocation() { return ProjectPoint(kLocation, Location, 0); }
  // Projects one of the object's points into buffer entry index: the
  // extent's corners (slots 0 to 3) or the location (kLocation). Objects
  // that keep what the projection needs of their points between paints
  // override it.
  static constexpr int kLocation = 4;
  virtual bool ProjectPoint(int slot, TLLPoint p, int index);
};

bool ExtentEmpty(const TRect& r);

}  // namespace meridex
