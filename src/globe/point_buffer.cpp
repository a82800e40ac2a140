#include "globe/point_buffer.h"

namespace meridex {

std::shared_ptr<TPointBuffers> AcquirePointBuffers() {
  // Only the GUI thread projects; one paint or load runs at a time.
  static std::weak_ptr<TPointBuffers> shared;
  std::shared_ptr<TPointBuffers> buffers = shared.lock();
  if (!buffers) {
    buffers = std::make_shared<TPointBuffers>();
    shared = buffers;
  }
  return buffers;
}

}  // namespace meridex
