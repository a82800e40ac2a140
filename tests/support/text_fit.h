#pragma once

#include <string>
#include <vector>

class QWidget;

namespace meridex::test {

// Every caption of `window` that its control cannot show whole, in the font
// the control draws with: labels, buttons, check and radio boxes, group box
// titles and the items of drop-down lists, each as "name: text (needs W x H,
// has W x H)". Only the controls shown in the window are measured; the
// window is laid out first.
std::vector<std::string> ClippedTexts(QWidget& window);

}  // namespace meridex::test
