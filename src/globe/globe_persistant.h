#pragma once

#include <cstddef>
#include <cstdint>
#include <memory_resource>

#include "globe/globe_stream.h"

namespace meridex {

class TGlobeLayer;

// Everything that can stand in a layer file. Instances always belong to a
// layer, which owns them; they are made by the layer loader through the
// globe's class registry or by code through CreateIn().
class TGlobePersistant {
 public:
  explicit TGlobePersistant(TGlobeLayer& layer) : Layer(&layer) {}
  virtual ~TGlobePersistant() = default;
  TGlobePersistant(const TGlobePersistant&) = delete;
  TGlobePersistant& operator=(const TGlobePersistant&) = delete;

  // The layout version of the class's record, written in each class block.
  virtual std::uint16_t DataVersion() const { return 0; }
  // The name under which the class stands in layer files and the registry.
  virtual const char* ClassName() const = 0;
  // Writes the record in the newest (0x220) layout.
  virtual void WriteToStream(TGlobeWriter& stream) const = 0;
  // Reads the record in the layout of stream.State.
  virtual void ReadFromStream(TGlobeReader& stream) = 0;

  // Made by CreateIn, an instance lies in its layer's memory (see
  // TLayerArena); made by a plain new, on the heap. Either way delete gives
  // the memory back where it came from.
  static void* operator new(std::size_t size);
  static void* operator new(std::size_t size, std::pmr::memory_resource& memory);
  static void operator delete(void* p) noexcept;
  // Used only when a constructor throws.
  static void operator delete(void* p, std::pmr::memory_resource& memory) noexcept;

  TGlobeLayer* Layer;
};

}  // namespace meridex
