#pragma once

#include <cstdint>

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

  TGlobeLayer* Layer;
};

}  // namespace meridex
