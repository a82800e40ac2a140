#include "globe/globe_classes.h"

#include <algorithm>
#include <cctype>

#include "globe/globe_exception.h"
#include "globe/globe_grid.h"
#include "globe/globe_layer.h"
#include "globe/globe_poly_line.h"
#include "globe/globe_text.h"

namespace meridex {

namespace {

int CompareNoCase(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int ca = std::toupper(static_cast<unsigned char>(a[i]));
    const int cb = std::toupper(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

template <class T>
TGlobePersistant* Make(TGlobeLayer& layer) {
  return CreateIn<T>(layer);
}

}  // namespace

void TGlobeClassRegistry::Register(const std::string& className, TGlobeClassFactory factory) {
  const auto at = std::lower_bound(
      entries_.begin(), entries_.end(), className,
      [](const Entry& e, const std::string& name) { return CompareNoCase(e.name, name) < 0; });
  if (at != entries_.end() && CompareNoCase(at->name, className) == 0)
    throw EGlobeException::Fmt("TGlobe.RegisterGlobeClass: Class %s already registered",
                               className.c_str());
  entries_.insert(at, Entry{className, factory});
}

TGlobeClassFactory TGlobeClassRegistry::Find(std::string_view className) const {
  const auto at = std::lower_bound(
      entries_.begin(), entries_.end(), className,
      [](const Entry& e, std::string_view name) { return CompareNoCase(e.name, name) < 0; });
  if (at != entries_.end() && CompareNoCase(at->name, className) == 0) return at->factory;
  return nullptr;
}

void RegisterStandardGlobeClasses(TGlobeClassRegistry& registry) {
  registry.Register("TGlobeBrush", &Make<TGlobeBrush>);
  registry.Register("TGlobeFont", &Make<TGlobeFont>);
  registry.Register("TGlobeGrid", &Make<TGlobeGrid>);
  registry.Register("TGlobePen", &Make<TGlobePen>);
  registry.Register("TGlobePointText", &Make<TGlobePointText>);
  registry.Register("TGlobePolygon", &Make<TGlobePolygon>);
  registry.Register("TGlobePolyLine", &Make<TGlobePolyLine>);
  registry.Register("TGlobeSymbol", &Make<TGlobeSymbol>);
  registry.Register("TGlobeText", &Make<TGlobeText>);
}

}  // namespace meridex
