#pragma once

namespace meridex {

// A guide that walks the user through a task in numbered steps. The window
// that owns the task starts it, reports each step done and finishes it; the
// guide alone decides how it shows that.
class StepGuide {
 public:
  virtual ~StepGuide() = default;
  // Shows the guide with every step open.
  virtual void start() = 0;
  // Marks step 1 or 2 as done.
  virtual void stepDone(int step) = 0;
  // Closes the guide; its steps are open again when it next starts.
  virtual void finish() = 0;
};

}  // namespace meridex
