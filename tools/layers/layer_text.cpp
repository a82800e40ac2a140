#include "layer_text.h"

#include <cctype>
#include <map>
#include <sstream>
#include <vector>

#include "common/errors.h"
#include "globe/globe_grid.h"
#include "globe/globe_poly_line.h"
#include "globe/globe_text.h"

namespace meridex {

namespace {

std::vector<std::string> Split(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// Words from index on, joined by single blanks.
std::string Rest(const std::vector<std::string>& words, std::size_t from) {
  std::string text;
  for (std::size_t i = from; i < words.size(); ++i) text += (text.empty() ? "" : " ") + words[i];
  return text;
}

long long Integer(const std::string& text, long long lo, long long hi) {
  std::size_t used = 0;
  long long v = 0;
  try {
    v = std::stoll(text, &used, 0);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != text.size() || text.empty() || v < lo || v > hi)
    throw ConversionError("\"" + text + "\" is not a number from " + std::to_string(lo) + " to " +
                          std::to_string(hi));
  return v;
}

TColor Color(const std::string& text) {
  if (text.size() != 7 || text[0] != '#')
    throw ConversionError("\"" + text + "\" is not a colour #RRGGBB");
  const auto rgb = static_cast<std::uint32_t>(Integer("0x" + text.substr(1), 0, 0xFFFFFF));
  // Layer files keep red in the low byte.
  return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

class Reader {
 public:
  Reader(std::istream& in, TGlobeLayer& layer) : in_(in), layer_(layer) {}

  std::int32_t Run() {
    while (NextLine()) {
      const std::vector<std::string> w = Split(line_);
      if (w.empty() || w[0][0] == '#') continue;
      try {
        Statement(w);
      } catch (const AppError& e) {
        throw ConversionError("line " + std::to_string(lineNumber_) + ": " + e.what());
      }
    }
    return divisor_;
  }

 private:
  bool NextLine() {
    if (!std::getline(in_, line_)) return false;
    ++lineNumber_;
    return true;
  }

  void Need(const std::vector<std::string>& w, std::size_t n) {
    if (w.size() < n)
      throw ConversionError("\"" + w[0] + "\" needs " + std::to_string(n - 1) + " values");
  }

  template <class T>
  T* Named(const std::map<std::string, T*>& names, const std::string& name) {
    const auto it = names.find(name);
    if (it == names.end()) throw ConversionError("no attribute named \"" + name + "\"");
    return it->second;
  }

  TLLPoint Point(const std::string& lon, const std::string& lat) {
    return {DegreesToGlobeUnits(lon), DegreesToGlobeUnits(lat)};
  }

  void Statement(const std::vector<std::string>& w) {
    const std::string& kind = w[0];
    if (kind == "format") {
      Need(w, 2);
      divisor_ = Integer(w[1], 0, 1) == 1 ? 1 : 90000;
    } else if (kind == "pen") {
      Need(w, 5);
      pens_[w[1]] =
          FindOrCreatePen(layer_, Color(w[2]), static_cast<TPenStyle>(Integer(w[3], 0, 6)),
                          static_cast<std::uint8_t>(Integer(w[4], 0, 255)));
    } else if (kind == "brush") {
      Need(w, 4);
      brushes_[w[1]] =
          FindOrCreateBrush(layer_, Color(w[2]), static_cast<TBrushStyle>(Integer(w[3], 0, 7)));
    } else if (kind == "font") {
      Need(w, 8);
      fonts_[w[1]] = FindOrCreateFont(
          layer_, Rest(w, 7), static_cast<std::uint8_t>(Integer(w[6], 0, 15)),
          static_cast<std::int16_t>(Integer(w[5], -32768, 32767)),
          static_cast<std::int16_t>(Integer(w[4], -32768, 32767)), StrToUnits(w[3]), Color(w[2]));
    } else if (kind == "text" || kind == "pointtext") {
      Need(w, 4);
      TGlobeText* text = kind == "text"
                             ? CreateIn<TGlobeText>(layer_)
                             : static_cast<TGlobeText*>(CreateIn<TGlobePointText>(layer_));
      text->Font = Named(fonts_, w[1]);
      text->Location = Point(w[2], w[3]);
      text->Title = Rest(w, 4);
    } else if (kind == "symbol") {
      Need(w, 5);
      auto* symbol = CreateIn<TGlobeSymbol>(layer_);
      symbol->Font = Named(fonts_, w[1]);
      symbol->SymbolCode = static_cast<std::uint16_t>(Integer(w[2], 0, 255));
      symbol->Location = Point(w[3], w[4]);
      symbol->Title = Rest(w, 5);
    } else if (kind == "polyline" || kind == "polygon") {
      Need(w, kind == "polygon" ? 3 : 2);
      TGlobePolyLine* line = kind == "polyline"
                                 ? CreateIn<TGlobePolyLine>(layer_)
                                 : static_cast<TGlobePolyLine*>(CreateIn<TGlobePolygon>(layer_));
      line->Pen = Named(pens_, w[1]);
      if (kind == "polygon") static_cast<TGlobePolygon*>(line)->Brush = Named(brushes_, w[2]);
      line->Title = Rest(w, kind == "polygon" ? 3 : 2);
      Vertices(*line);
    } else if (kind == "grid") {
      Need(w, 9);
      auto* grid = CreateIn<TGlobeGrid>(layer_);
      grid->MajorPen = Named(pens_, w[1]);
      grid->MinorPen = Named(pens_, w[2]);
      const TLLPoint corner = Point(w[3], w[4]);
      grid->Extent = {0, 0, corner.X, corner.Y};
      grid->LonStep = DegreesToGlobeUnits(w[5]);
      grid->LatStep = DegreesToGlobeUnits(w[6]);
      grid->LonSubStep = DegreesToGlobeUnits(w[7]);
      grid->LatSubStep = DegreesToGlobeUnits(w[8]);
      grid->Title = Rest(w, 9);
    } else {
      throw ConversionError("unknown statement \"" + kind + "\"");
    }
  }

  void Vertices(TGlobePolyLine& line) {
    const int start = lineNumber_;
    while (NextLine()) {
      const std::vector<std::string> w = Split(line_);
      if (w.empty() || w[0][0] == '#') continue;
      if (w[0] == "end") {
        if (line.Points.Count() > 65535)
          throw ConversionError("more than 65,535 points in one line");
        return;
      }
      if (w.size() != 2) throw ConversionError("expected \"LON LAT\" or \"end\"");
      line.Points.Add(Point(w[0], w[1]));
    }
    throw ConversionError("the point list started on line " + std::to_string(start) +
                          " has no \"end\"");
  }

  std::istream& in_;
  TGlobeLayer& layer_;
  std::string line_;
  int lineNumber_ = 0;
  std::int32_t divisor_ = 1;
  std::map<std::string, TGlobePen*> pens_;
  std::map<std::string, TGlobeBrush*> brushes_;
  std::map<std::string, TGlobeFont*> fonts_;
};

}  // namespace

GlobeUnit DegreesToGlobeUnits(const std::string& text) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) ++i;
  __int128 whole = 0, fraction = 0, scale = 1;
  std::size_t digits = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++digits)
    whole = whole * 10 + (text[i] - '0');
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++digits) {
      if (scale < static_cast<__int128>(1000000000000000000LL)) {
        fraction = fraction * 10 + (text[i] - '0');
        scale *= 10;
      }
    }
  }
  if (i != text.size() || digits == 0 || whole > 397)
    throw ConversionError("\"" + text + "\" is not an angle in degrees");
  const __int128 gu = whole * GU_DEGREE + (fraction * GU_DEGREE * 2 + scale) / (2 * scale);
  if (gu > INT32_MAX) throw ConversionError("\"" + text + "\" is not an angle in degrees");
  return static_cast<GlobeUnit>(negative ? -gu : gu);
}

std::int32_t ReadLayerText(std::istream& in, TGlobeLayer& layer) { return Reader(in, layer).Run(); }

}  // namespace meridex
