#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "globe/globe_attributes.h"
#include "globe/globe_engine.h"
#include "globe/globe_units.h"
#include "globe/layer_arena.h"

namespace meridex {

class TGlobeObject;

// One drawable list of globe objects with the pens, brushes and fonts they
// share, loaded from one layer file. The layer owns its objects and
// attributes; the globe owns its layers.
class TGlobeLayer {
 public:
  explicit TGlobeLayer(TGlobeEngine& globe);
  ~TGlobeLayer();
  TGlobeLayer(const TGlobeLayer&) = delete;
  TGlobeLayer& operator=(const TGlobeLayer&) = delete;

  // Resets the settings, deselects this layer's selected object and frees
  // every object and attribute.
  void Clear();
  void SetName(const std::string& name);

  // Loads a layer file, appending its attributes and objects. A name without
  // a directory is looked up in the globe's DataDirectory. Throws
  // EGlobeException for a missing file or bad data (the message names the
  // file); records read before an error stay in the layer.
  void LoadFromFile(const std::string& fileName);
  // The parsing part of LoadFromFile, for data already in memory.
  void LoadFromBytes(std::span<const std::uint8_t> data, const std::string& fileName);

  // Draws the layer on the globe's drawing canvas.
  void Render();
  // Whether the layer is drawn at the current zoom and view.
  bool IsDrawable();
  // Extent := the union of the objects' extents, or empty when that spans
  // 180 degrees of longitude or 90 of latitude or more.
  void CalcExtent();
  // The on-screen object under the client pixel (x, y), or nullptr; repeated
  // calls on a spot covered by several objects cycle through them.
  TGlobeObject* ObjectAtXY(int x, int y);
  // The first object from After's position + 1 on whose Title is title.
  TGlobeObject* FindObject(const std::string& title, const TGlobeObject* after = nullptr) const;

  int ObjectCount() const { return static_cast<int>(objects_.size()); }
  // nullptr outside 0..ObjectCount()-1.
  TGlobeObject* Objects(int index) const;
  int AttributeCount() const { return static_cast<int>(attributes_.size()); }
  // Throws EListError "List index out of bounds (%d)" for a missing index.
  TGlobeAttribute* Attributes(int index) const;
  int IndexOfObject(const TGlobeObject* object) const;
  // Position in the globe's layer list.
  int Index() const;
  int IndexOfAttribute(const TGlobeAttribute* attribute) const;

  // Takes ownership; appends to the object or attribute list. Throws
  // EGlobeException for one made for another layer (its point lists live in
  // that layer's memory).
  void Adopt(std::unique_ptr<TGlobeObject> object);
  void Adopt(std::unique_ptr<TGlobeAttribute> attribute);
  // Removes and destroys an attribute.
  void DeleteAttribute(TGlobeAttribute* attribute);

  TGlobeEngine& Globe() const { return *globe_; }
  // The memory of the layer's objects and attributes, and of what they keep
  // beside the two kinds below.
  std::pmr::memory_resource& Memory() { return arena_; }
  const TLayerArena& Arena() const { return arena_; }
  // Two kinds of data live apart from the objects, each in its own memory,
  // so that a paint streams through what it reads instead of stepping over
  // what it does not:
  //   - the objects' vertices, which only a zoom or a change of the points
  //     reads (a paint after a turn reads the objects alone), and
  //   - the sphere's picked earth coordinates, which every paint reads, in
  //     layer order.
  std::pmr::memory_resource& VertexMemory() { return vertexArena_; }
  std::pmr::memory_resource& KeptMemory() { return keptArena_; }
  const TLayerArena& VertexArena() const { return vertexArena_; }
  const TLayerArena& KeptArena() const { return keptArena_; }

  std::string Name;      // display name
  std::string FileName;  // as passed to LoadFromFile
  TRect Extent;          // west, south, east, north
  bool Visible = true;
  bool Enabled = true;             // objects can be selected with the mouse
  bool ScaleFont = true;           // font heights in their units, scaled with the zoom
  bool Animated = false;           // drawn on every paint, not cached
  std::int32_t MaxFontHeight = 0;  // pixels, 0 = none
  std::int32_t ZoomMin = 0;        // in ZoomUnits, 0 = none
  std::int32_t ZoomMax = 0;
  TGlobeUnits ZoomUnits = TGlobeUnits::NauticalMile;

 private:
  void ResetFields();
  void ReadProfileKeys(const std::string& section);
  void FreeObjects();
  void ReadBlocks(TGlobeReader& reader);

  TGlobeEngine* globe_;
  TLayerArena arena_;  // before what lives in them, which goes first
  TLayerArena vertexArena_;
  TLayerArena keptArena_;
  std::vector<std::unique_ptr<TGlobeObject>> objects_;
  std::vector<std::unique_ptr<TGlobeAttribute>> attributes_;
};

// Makes a T in layer, which owns it.
template <class T>
T* CreateIn(TGlobeLayer& layer) {
  std::unique_ptr<T> owned(new (layer.Memory()) T(layer));
  T* object = owned.get();
  layer.Adopt(std::move(owned));
  return object;
}

}  // namespace meridex
