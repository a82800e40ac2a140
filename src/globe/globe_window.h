#pragma once

#include <string>

#include "globe/globe_canvas.h"

namespace meridex {

// What the globe needs of the window it is shown in. Every operation may do
// nothing: a globe without a window (tools, tests, benchmarks) works all the
// same and simply shows nothing.
class TGlobeWindow {
 public:
  virtual ~TGlobeWindow() = default;

  // Paint again soon. The globe renders its picture afresh only when it is
  // stale, so this is also how a zoom band or an animated layer is redrawn
  // over the cached picture.
  virtual void Invalidate() {}
  // Show the picture as far as it is rendered (long renders, and the copy
  // step of every paint).
  virtual void CopyToScreen() {}
  // The busy (hourglass) cursor on, or back to what it was. Calls nest.
  virtual void ShowBusy(bool /*busy*/) {}
  // A plain message box: a layer of the profile that failed to load.
  virtual void ShowMessage(const std::string& /*text*/) {}
  // Draws the window's background picture over clip and returns true; false
  // when it has none (the globe then fills with its Color).
  virtual bool TileBackground(TGlobeCanvas& /*canvas*/, const TRect& /*clip*/) { return false; }
};

}  // namespace meridex
