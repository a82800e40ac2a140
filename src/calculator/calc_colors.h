#pragma once

#include <QColor>
#include <array>
#include <functional>

namespace meridex {

enum TEsCalcColorScheme { csCustom, csWindows, csDark, csOcean, csPlain };

// The eight colours of the calculator control: caption colours per button
// class, the display's colours, and the colour of MC and MR while the memory
// is empty.
enum TEsCalcColorRole {
  ccDisabledMemoryButtons,
  ccDisplay,
  ccDisplayText,
  ccEditButtons,
  ccFunctionButtons,
  ccMemoryButtons,
  ccNumberButtons,
  ccOperatorButtons,
};
constexpr int kCalcColorRoles = 8;

// The calculator's colour set. Choosing a scheme other than csCustom loads
// its colours; changing any single colour makes the scheme csCustom. A new set
// has the csWindows colours but reads csCustom. Every change calls OnChange.
class TEsCalcColors {
 public:
  TEsCalcColors();

  QColor color(TEsCalcColorRole role) const { return colors_[role]; }
  void setColor(TEsCalcColorRole role, const QColor& color);
  TEsCalcColorScheme ColorScheme() const { return scheme_; }
  void setColorScheme(TEsCalcColorScheme scheme);
  // Copies the eight colours and the scheme.
  void Assign(const TEsCalcColors& other);

  std::function<void()> OnChange;

 private:
  void changed();

  std::array<QColor, kCalcColorRoles> colors_;
  TEsCalcColorScheme scheme_ = csCustom;
};

}  // namespace meridex
