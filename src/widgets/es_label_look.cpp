#include "widgets/es_label_look.h"

namespace meridex {

namespace {

constexpr EsColor Rgb(int r, int g, int b) {
  return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
}

}  // namespace

EsSchemeRow DefaultSchemeRow(TEsColorScheme scheme) {
  switch (scheme) {
    case TEsColorScheme::csCustom:
      return {Rgb(255, 255, 255), Rgb(0, 0, 0), Rgb(128, 128, 128)};
    case TEsColorScheme::csText:
      return {Rgb(255, 255, 255), Rgb(128, 128, 128), Rgb(0, 0, 0)};
    case TEsColorScheme::csWindows:
      return {Rgb(255, 255, 255), Rgb(0, 0, 0), Rgb(128, 128, 128)};
    case TEsColorScheme::csEmbossed:
      return {Rgb(255, 255, 255), Rgb(0, 0, 0), Rgb(192, 192, 192)};
    case TEsColorScheme::csGold:
      return {Rgb(255, 255, 0), Rgb(0, 0, 0), Rgb(128, 128, 0)};
    case TEsColorScheme::csSteel:
      return {Rgb(0, 255, 255), Rgb(0, 0, 128), Rgb(0, 128, 128)};
  }
  return DefaultSchemeRow(TEsColorScheme::csWindows);
}

TEsLabelLook::TEsLabelLook(ChangeHandler onChange)
    : fontColor_(DefaultSchemeRow(TEsColorScheme::csWindows).text),
      onChange_(std::move(onChange)),
      settings_([this](EsSettingKind kind) { SettingChanged(kind); }) {}

EsSchemeRow TEsLabelLook::SchemeRow(TEsColorScheme scheme) const {
  return scheme == TEsColorScheme::csCustom ? customRow_ : DefaultSchemeRow(scheme);
}

void TEsLabelLook::setColorScheme(TEsColorScheme scheme) {
  if (scheme == scheme_) return;
  scheme_ = scheme;
  const EsSchemeRow row = SchemeRow(scheme);
  if (scheme != TEsColorScheme::csCustom) customRow_ = row;
  TEsCustomSettings::Values v = settings_.values();
  v.HighlightColor = row.highlight;
  v.ShadowColor = row.shadow;
  settings_.assign(v);
  fontColor_ = row.text;
  Changed();
}

void TEsLabelLook::setAppearance(TEsAppearance appearance) {
  if (appearance == appearance_) return;
  appearance_ = appearance;
  const EsSchemeRow row = SchemeRow(scheme_);
  TEsCustomSettings::Values v = settings_.values();
  v.HighlightColor = row.highlight;
  const auto geometry = [&v](TEsShadeDirection highlight, TEsShadeDirection shadow,
                             TEsDepth highlightDepth, TEsDepth shadowDepth) {
    v.HighlightDirection = highlight;
    v.ShadowDirection = shadow;
    v.HighlightDepth = highlightDepth;
    v.ShadowDepth = shadowDepth;
  };
  using enum TEsShadeDirection;
  switch (appearance) {
    case TEsAppearance::apNone:
      geometry(sdNone, sdNone, 0, 0);
      break;
    case TEsAppearance::apCustom:
      break;
    case TEsAppearance::apFlying:
      geometry(sdDownRight, sdDownRight, 1, 5);
      v.HighlightColor = row.shadow;
      break;
    case TEsAppearance::apRaised:
      geometry(sdUpLeft, sdDownRight, 1, 1);
      break;
    case TEsAppearance::apSunken:
      geometry(sdDownRight, sdUpLeft, 1, 1);
      break;
    case TEsAppearance::apShadow:
      geometry(sdNone, sdDownRight, 0, 2);
      break;
  }
  settings_.assign(v);
  Changed();
}

void TEsLabelLook::setFontColor(EsColor color) {
  if (color == fontColor_) return;
  fontColor_ = color;
  Changed();
}

void TEsLabelLook::SettingChanged(EsSettingKind kind) {
  // Marking writes the property's value only: going through the preset
  // setters would overwrite the very setting that was just changed.
  if (!loading()) {
    if (kind == EsSettingKind::skColor) {
      scheme_ = TEsColorScheme::csCustom;
    } else {
      appearance_ = TEsAppearance::apCustom;
    }
  }
  Changed();
}

void TEsLabelLook::Changed() const {
  if (onChange_) onChange_();
}

}  // namespace meridex
