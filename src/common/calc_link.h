#pragma once

#include <string>

namespace meridex {

// How the conversion window hands a value to the calculator and where the
// calculator's result goes back to.
struct CalcLink {
  // 1 after "Copy to Calculator", 0 after any View menu "Calculator" command.
  int CalcLinkFlag = 0;
  // Index 1..46 of the conversion field last entered, 0 before any.
  int SelectedField = 0;
  // The unit name text of that field.
  std::string SelectedUnitName;
};

}  // namespace meridex
