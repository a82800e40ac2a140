#include "topojson_file.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <stdexcept>

namespace meridex::maps {

namespace {

using Json = nlohmann::json;

std::vector<int> References(const Json& list) { return list.get<std::vector<int>>(); }

std::vector<std::vector<int>> Rings(const Json& list) {
  std::vector<std::vector<int>> rings;
  for (const Json& ring : list) rings.push_back(References(ring));
  return rings;
}

TopoGeometry ReadGeometry(const Json& g) {
  TopoGeometry geometry;
  if (g.contains("properties") && g["properties"].is_object() && g["properties"].contains("name"))
    geometry.Name = g["properties"]["name"].get<std::string>();
  if (g.contains("id"))
    geometry.Id = g["id"].is_string() ? g["id"].get<std::string>() : g["id"].dump();
  const Json& type = g["type"];
  if (!type.is_string()) return geometry;  // a null geometry
  const std::string kind = type.get<std::string>();
  const Json& arcs = g["arcs"];
  if (kind == "Polygon") {
    geometry.Polygons.push_back(Rings(arcs));
  } else if (kind == "MultiPolygon") {
    for (const Json& polygon : arcs) geometry.Polygons.push_back(Rings(polygon));
  } else if (kind == "LineString") {
    geometry.Lines.push_back(References(arcs));
  } else if (kind == "MultiLineString") {
    geometry.Lines = Rings(arcs);
  }
  return geometry;
}

}  // namespace

Topology ReadTopoJson(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open \"" + file.string() + "\"");
  try {
    const Json json = Json::parse(in);
    if (json.value("type", "") != "Topology" || !json.contains("transform"))
      throw std::runtime_error("not a quantized TopoJSON topology");
    const Json& t = json["transform"];
    const TopoTransform transform{t["scale"][0].get<double>(), t["scale"][1].get<double>(),
                                  t["translate"][0].get<double>(), t["translate"][1].get<double>()};
    Topology topology;
    for (const Json& arc : json["arcs"])
      topology.Arcs.push_back(
          DecodeArc(arc.get<std::vector<std::array<std::int64_t, 2>>>(), transform));
    for (const auto& [name, object] : json["objects"].items()) {
      std::vector<TopoGeometry>& geometries = topology.Objects[name];
      if (object.value("type", "") == "GeometryCollection") {
        for (const Json& g : object["geometries"]) geometries.push_back(ReadGeometry(g));
      } else {
        geometries.push_back(ReadGeometry(object));
      }
    }
    return topology;
  } catch (const std::exception& e) {
    throw std::runtime_error(file.string() + ": " + e.what());
  }
}

}  // namespace meridex::maps
