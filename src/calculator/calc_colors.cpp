#include "calculator/calc_colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace meridex {

namespace {

const QColor kGray(128, 128, 128);
const QColor kMaroon(128, 0, 0);
const QColor kNavy(0, 0, 128);
const QColor kTeal(0, 128, 128);
const QColor kPurple(128, 0, 128);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kAqua(0, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

// In role order: disabled memory, display, display text, edit, function,
// memory, number, operator.
std::array<QColor, kCalcColorRoles> SchemeColors(TEsCalcColorScheme scheme) {
  switch (scheme) {
    case csDark:
      return {kGray, kBlack, kAqua, kBlack, kTeal, kNavy, kMaroon, kBlue};
    case csOcean:
      return {kGray, kAqua, kBlack, kPurple, kNavy, kNavy, kAqua, kBlue};
    case csPlain:
      return {kGray, kWhite, kNavy, kBlack, kNavy, kNavy, kBlue, kBlue};
    case csWindows:
    case csCustom:
      break;
  }
  const QPalette system = QGuiApplication::palette();
  return {kGray,
          system.color(QPalette::Base),
          system.color(QPalette::Text),
          kMaroon,
          kNavy,
          kRed,
          kBlue,
          kRed};
}

}  // namespace

TEsCalcColors::TEsCalcColors() : colors_(SchemeColors(csWindows)) {}

void TEsCalcColors::changed() {
  if (OnChange) OnChange();
}

void TEsCalcColors::setColor(TEsCalcColorRole role, const QColor& color) {
  colors_[role] = color;
  scheme_ = csCustom;
  changed();
}

void TEsCalcColors::setColorScheme(TEsCalcColorScheme scheme) {
  if (scheme != csCustom) colors_ = SchemeColors(scheme);
  scheme_ = scheme;
  changed();
}

void TEsCalcColors::Assign(const TEsCalcColors& other) {
  colors_ = other.colors_;
  scheme_ = other.scheme_;
  changed();
}

}  // namespace meridex
