#include "globe/globe_canvas.h"

namespace meridex {

TLogFont GlobeLogFont(const std::string& name, int pixelHeight, std::uint8_t style, int angle) {
  TLogFont font;
  font.Name = name;
  font.Height = -(pixelHeight == 0 ? 1 : pixelHeight);
  font.Escapement = angle;
  font.Weight = (style & FS_BOLD) ? 700 : 400;
  font.Italic = (style & FS_ITALIC) != 0;
  font.Underline = (style & FS_UNDERLINE) != 0;
  font.StrikeOut = (style & FS_STRIKEOUT) != 0;
  return font;
}

}  // namespace meridex
