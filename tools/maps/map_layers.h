#pragma once

#include <istream>
#include <map>
#include <string>
#include <vector>

#include "city_points.h"
#include "globe/globe_layer.h"
#include "topology.h"

namespace meridex::maps {

// Country titles by the source's name: "W. Sahara" is shown as "Western
// Sahara". Names without an entry are taken as they are.
using NameTable = std::map<std::string, std::string>;

// Reads lines "source name<TAB>title"; blank lines and lines starting with
// "#" are skipped. Throws std::runtime_error naming the line when a line has
// no tab or an empty side.
NameTable ReadNameTable(std::istream& in);

// Layer 0: the land under the countries, one untitled polygon per island
// (holes such as the Caspian Sea stay holes). No outline.
void AddLand(const Topology& world, TGlobeLayer& layer);

// Layer 1: the countries, titled, in fills that differ between neighbours.
// A country of several parts (islands, the pieces on either side of the
// 180-degree meridian) is one polygon per part, each with the country's
// title: one polygon for all would need bridges between the parts, and the
// globe's decimation leaves a dotted line along a long bridge. Countries
// that collapse to a point at this scale cannot be drawn and are left out;
// their titles are returned.
std::vector<std::string> AddCountries(const Topology& world, const NameTable& names,
                                      TGlobeLayer& layer);

// Layer 2: the lakes (filled like the sea, with their shores drawn), then
// the coastlines and the borders, each border drawn once from the arc the
// two countries share.
void AddLakes(const Topology& lakes, TGlobeLayer& layer);
void AddCoastsAndBorders(const Topology& world, TGlobeLayer& layer);

// Layer 3: one labelled dot per city. Font heights are in nautical miles
// (the layer scales them with the zoom).
inline constexpr std::int16_t kCityFontHeight = 36;
// The labels' largest height in pixels, however close the view.
inline constexpr std::int32_t kCityMaxFontHeight = 11;
void AddCities(const std::vector<MapCity>& cities, TGlobeLayer& layer);

// The vertices of all lines and polygons of a layer.
long VertexCount(const TGlobeLayer& layer);

}  // namespace meridex::maps
