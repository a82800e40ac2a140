#include "map_layers.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <stdexcept>

#include "even_odd.h"
#include "globe/globe_poly_line.h"
#include "globe/globe_text.h"
#include "map_style.h"
#include "ring_cut.h"
#include "ring_join.h"

namespace meridex::maps {

namespace {

bool InRing(const PointList& ring, TLLPoint p) {
  return InsideRing(
      ring, p, [](const TLLPoint& q) { return q.X; }, [](const TLLPoint& q) { return q.Y; });
}

// The parts of one source polygon (outer ring, then holes), cut at the
// 180-degree meridian: each outer piece with the hole pieces inside it.
std::vector<Shape> PolygonParts(const Topology& topology,
                                const std::vector<std::vector<int>>& rings) {
  std::vector<Shape> parts;
  if (rings.empty()) return parts;
  for (PointList& piece : CutRing(topology.Join(rings.front())))
    parts.push_back({std::move(piece)});
  for (std::size_t h = 1; h < rings.size() && !parts.empty(); ++h) {
    for (PointList& hole : CutRing(topology.Join(rings[h]))) {
      std::size_t owner = 0;
      for (std::size_t i = 0; i < parts.size(); ++i)
        if (InRing(parts[i].front(), hole.front())) owner = i;
      parts[owner].push_back(std::move(hole));
    }
  }
  return parts;
}

TRect Bounds(const PointList& ring) {
  TRect r{ring.front().X, ring.front().Y, ring.front().X, ring.front().Y};
  for (const TLLPoint& p : ring) {
    r.Left = std::min(r.Left, p.X), r.Right = std::max(r.Right, p.X);
    r.Top = std::min(r.Top, p.Y), r.Bottom = std::max(r.Bottom, p.Y);
  }
  return r;
}

GlobeUnit Middle(GlobeUnit a, GlobeUnit b) {
  return static_cast<GlobeUnit>((std::int64_t{a} + b) / 2);
}

// The shape as pieces without holes, cut along the meridian through the
// middle of each hole. Used where only the fill is drawn (the cuts do not
// show), so that no bridge to a hole is needed.
std::vector<Shape> WithoutHoles(const Shape& shape) {
  if (shape.size() == 1) return {shape};
  const TRect hole = Bounds(shape[1]);
  std::vector<Shape> out;
  for (const Shape& piece : SplitShape(shape, false, Middle(hole.Left, hole.Right)))
    for (Shape& rest : WithoutHoles(piece)) out.push_back(std::move(rest));
  return out;
}

// A continent-sized shape halved (across its longer side) until no piece is
// more than 40 degrees across. The globe pushes the hidden points of a shape
// onto its outline; a shape that holds the point opposite the view's centre
// then runs all round the outline and covers the whole globe. A piece this
// small cannot hold that point while it is in view.
std::vector<Shape> Smaller(const Shape& shape) {
  constexpr std::int64_t kLargest = 40 * std::int64_t{GU_DEGREE};
  const TRect b = Bounds(shape.front());
  const std::int64_t width = std::int64_t{b.Right} - b.Left,
                     height = std::int64_t{b.Bottom} - b.Top;
  if (width <= kLargest && height <= kLargest) return {shape};
  const bool across = height > width;  // cut along a parallel
  const GlobeUnit at = across ? Middle(b.Top, b.Bottom) : Middle(b.Left, b.Right);
  std::vector<Shape> out;
  for (const Shape& piece : SplitShape(shape, across, at))
    for (Shape& rest : Smaller(piece)) out.push_back(std::move(rest));
  return out;
}

TGlobePolygon* AddPolygon(TGlobeLayer& layer, const std::string& title, PointList points,
                          TGlobePen* pen, TGlobeBrush* brush) {
  // A point list holds at most 65,535 vertices in a layer file.
  if (points.size() > 65535)
    throw std::runtime_error("\"" + title + "\" has " + std::to_string(points.size()) +
                             " vertices, more than a layer file can hold in one shape");
  auto* polygon = CreateIn<TGlobePolygon>(layer);
  polygon->Title = title;
  for (const TLLPoint& p : points) polygon->Points.Add(p);
  polygon->Pen = pen;
  polygon->Brush = brush;
  return polygon;
}

void AddLine(TGlobeLayer& layer, const PointList& points, TGlobePen* pen) {
  auto* line = CreateIn<TGlobePolyLine>(layer);
  for (const TLLPoint& p : points) line->Points.Add(p);
  line->Pen = pen;
}

// How often each arc is used by the geometries of an object, and by which.
struct ArcUse {
  int count = 0;
  std::set<std::size_t> geometries;
};

std::vector<ArcUse> ArcUses(const Topology& topology, const std::vector<TopoGeometry>& geometries) {
  std::vector<ArcUse> uses(topology.Arcs.size());
  for (std::size_t g = 0; g < geometries.size(); ++g)
    for (const auto& polygon : geometries[g].Polygons)
      for (const auto& ring : polygon)
        for (const int reference : ring) {
          ArcUse& use = uses[static_cast<std::size_t>(reference < 0 ? ~reference : reference)];
          ++use.count;
          use.geometries.insert(g);
        }
  return uses;
}

// A fill for every country, never that of a neighbour (countries sharing an
// arc): the countries with most neighbours choose first, each taking the
// allowed fill used least so far.
std::vector<std::size_t> ColourCountries(const Topology& world,
                                         const std::vector<TopoGeometry>& countries) {
  const std::size_t n = countries.size();
  std::vector<std::set<std::size_t>> neighbours(n);
  for (const ArcUse& use : ArcUses(world, countries))
    for (const std::size_t a : use.geometries)
      for (const std::size_t b : use.geometries)
        if (a != b) neighbours[a].insert(b);
  std::vector<std::size_t> order(n);
  for (std::size_t i = 0; i < n; ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return neighbours[a].size() > neighbours[b].size();
  });
  const std::size_t none = kCountryFills.size();
  std::vector<std::size_t> fill(n, none);
  std::vector<int> used(kCountryFills.size(), 0);
  for (const std::size_t c : order) {
    std::size_t best = none;
    for (std::size_t f = 0; f < kCountryFills.size(); ++f) {
      bool taken = false;
      for (const std::size_t other : neighbours[c]) taken = taken || fill[other] == f;
      if (!taken && (best == none || used[f] < used[best])) best = f;
    }
    if (best == none) throw std::runtime_error("too few country fills for " + countries[c].Name);
    fill[c] = best;
    ++used[best];
  }
  return fill;
}

bool Degenerate(const PointList& line) {
  for (const TLLPoint& p : line)
    if (!(p == line.front())) return false;
  return true;
}

}  // namespace

NameTable ReadNameTable(std::istream& in) {
  NameTable names;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos || tab == 0 || tab + 1 == line.size())
      throw std::runtime_error("line " + std::to_string(number) +
                               ": expected \"source name<TAB>title\"");
    names[line.substr(0, tab)] = line.substr(tab + 1);
  }
  return names;
}

void AddLand(const Topology& world, TGlobeLayer& layer) {
  TGlobePen* pen = FindOrCreatePen(layer, kLand, TPenStyle::psClear, 1);
  TGlobeBrush* brush = FindOrCreateBrush(layer, kLand, TBrushStyle::bsSolid);
  for (const TopoGeometry& land : world.Object("land"))
    for (const auto& polygon : land.Polygons)
      for (const Shape& part : PolygonParts(world, polygon))
        for (const Shape& whole : WithoutHoles(part))
          for (const Shape& piece : Smaller(whole))
            AddPolygon(layer, "", piece.front(), pen, brush);
}

std::vector<std::string> AddCountries(const Topology& world, const NameTable& names,
                                      TGlobeLayer& layer) {
  const std::vector<TopoGeometry>& countries = world.Object("countries");
  const std::vector<std::size_t> fills = ColourCountries(world, countries);
  TGlobePen* pen = FindOrCreatePen(layer, 0, TPenStyle::psClear, 1);
  std::vector<std::string> leftOut;
  for (std::size_t c = 0; c < countries.size(); ++c) {
    const TopoGeometry& country = countries[c];
    const auto renamed = names.find(country.Name);
    const std::string title = renamed == names.end() ? country.Name : renamed->second;
    if (title.empty()) throw std::runtime_error("a country without a name (id " + country.Id + ")");
    for (const char ch : title)
      if (static_cast<unsigned char>(ch) > 127)
        throw std::runtime_error("the title \"" + title +
                                 "\" needs an ASCII spelling in the names");
    const TColor colour = title == "Antarctica" ? kIce : kCountryFills[fills[c]];
    TGlobeBrush* brush = FindOrCreateBrush(layer, colour, TBrushStyle::bsSolid);
    const int before = layer.ObjectCount();
    for (const auto& polygon : country.Polygons)
      for (const Shape& part : PolygonParts(world, polygon))
        AddPolygon(layer, title, JoinRings(part), pen, brush);
    if (layer.ObjectCount() == before) leftOut.push_back(title);
  }
  return leftOut;
}

void AddLakes(const Topology& lakes, TGlobeLayer& layer) {
  TGlobePen* noPen = FindOrCreatePen(layer, kWater, TPenStyle::psClear, 1);
  TGlobeBrush* water = FindOrCreateBrush(layer, kWater, TBrushStyle::bsSolid);
  TGlobePen* shore = FindOrCreatePen(layer, kCoast, TPenStyle::psSolid, 1);
  for (const TopoGeometry& lake : lakes.Object("lakes"))
    for (const auto& polygon : lake.Polygons)
      for (const Shape& part : PolygonParts(lakes, polygon)) {
        for (const Shape& piece : WithoutHoles(part))
          AddPolygon(layer, "", piece.front(), noPen, water);
        for (PointList ring : part) {
          ring.push_back(ring.front());
          AddLine(layer, ring, shore);
        }
      }
}

void AddCoastsAndBorders(const Topology& world, TGlobeLayer& layer) {
  TGlobePen* coast = FindOrCreatePen(layer, kCoast, TPenStyle::psSolid, 1);
  TGlobePen* border = FindOrCreatePen(layer, kBorder, TPenStyle::psSolid, 1);
  const std::vector<ArcUse> uses = ArcUses(world, world.Object("countries"));
  // Coasts first, so that borders are drawn over the coast where they meet.
  for (const bool borders : {false, true})
    for (std::size_t a = 0; a < world.Arcs.size(); ++a) {
      const bool isBorder = uses[a].geometries.size() == 2;
      const bool isCoast = uses[a].count == 1;
      if (borders ? !isBorder : !isCoast) continue;
      if (Degenerate(world.Arcs[a])) continue;
      for (const PointList& piece : CutLine(world.Arcs[a]))
        AddLine(layer, piece, borders ? border : coast);
    }
}

void AddCities(const std::vector<MapCity>& cities, TGlobeLayer& layer) {
  TGlobeFont* font =
      FindOrCreateFont(layer, kCityFont, 0, 0, kCityFontHeight, TGlobeUnits::NauticalMile, kCity);
  for (const MapCity& city : cities) {
    auto* dot = CreateIn<TGlobePointText>(layer);
    dot->Title = city.Title;
    dot->Location = city.Location;
    dot->Font = font;
  }
}

long VertexCount(const TGlobeLayer& layer) {
  long count = 0;
  for (int i = 0; i < layer.ObjectCount(); ++i)
    if (const auto* line = dynamic_cast<const TGlobePolyLine*>(layer.Objects(i)))
      count += line->Points.Count();
  return count;
}

}  // namespace meridex::maps
