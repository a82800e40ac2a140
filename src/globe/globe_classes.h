#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace meridex {

class TGlobeLayer;
class TGlobePersistant;

// Makes an instance of one globe class in a layer (which owns it).
using TGlobeClassFactory = TGlobePersistant* (*)(TGlobeLayer& layer);

// The globe classes that layer files may name, kept sorted by name and
// looked up without regard to letter case.
class TGlobeClassRegistry {
 public:
  // Throws EGlobeException "TGlobe.RegisterGlobeClass: Class %s already
  // registered" for a name that is there already (in any letter case).
  void Register(const std::string& className, TGlobeClassFactory factory);
  // nullptr when the name is not registered.
  TGlobeClassFactory Find(std::string_view className) const;

 private:
  struct Entry {
    std::string name;
    TGlobeClassFactory factory;
  };
  std::vector<Entry> entries_;
};

// Registers TGlobeBrush, TGlobeFont, TGlobeGrid, TGlobePen, TGlobePointText,
// TGlobePolygon, TGlobePolyLine, TGlobeSymbol and TGlobeText, in that order.
void RegisterStandardGlobeClasses(TGlobeClassRegistry& registry);

}  // namespace meridex
