#pragma once

#include "globe/prj_model.h"

namespace meridex::test {

// A globe stand-in for the projection models: counts redraw requests and
// hands out a settable clip rectangle and screen density, and point buffers.
class FakeProjectionHost : public TProjectionHost {
 public:
  void Redraw() override { ++redraws; }
  TRect ClipRect() const override { return clip; }
  int PixelsPerInch() const override { return ppi; }
  TPointBuffers& Buffers() override { return buffers; }

  int redraws = 0;
  TRect clip{0, 0, 300, 300};
  int ppi = 96;
  TPointBuffers buffers;
};

}  // namespace meridex::test
