#pragma once

#include <functional>
#include <utility>

#include "widgets/es_settings.h"

namespace meridex {

enum class TEsAppearance { apNone, apCustom, apFlying, apRaised, apSunken, apShadow };
enum class TEsColorScheme { csCustom, csText, csWindows, csEmbossed, csGold, csSteel };

// The three colours of a colour scheme.
struct EsSchemeRow {
  EsColor highlight;
  EsColor shadow;
  EsColor text;
  friend constexpr bool operator==(const EsSchemeRow&, const EsSchemeRow&) = default;
};

// The fixed rows of the schemes; for csCustom, the row a new label starts with.
EsSchemeRow DefaultSchemeRow(TEsColorScheme scheme);

// What a 3-D label looks like, apart from its text and font face: the
// appearance preset, the colour scheme, the custom settings and the text
// colour, with the rules that tie them together. Knows nothing of drawing.
//
// Choosing a scheme or an appearance applies its preset. Changing a custom
// setting by hand marks the look as custom: a colour turns the scheme into
// csCustom, anything else the appearance into apCustom. While a window
// definition is being applied (see LoadingGuard) nothing is marked, so the
// stored properties, applied in order, decide the final look.
class TEsLabelLook {
 public:
  // Called after every change that alters the drawing.
  using ChangeHandler = std::function<void()>;

  explicit TEsLabelLook(ChangeHandler onChange = {});
  TEsLabelLook(const TEsLabelLook&) = delete;
  TEsLabelLook& operator=(const TEsLabelLook&) = delete;

  TEsAppearance Appearance() const { return appearance_; }
  void setAppearance(TEsAppearance appearance);
  TEsColorScheme ColorScheme() const { return scheme_; }
  void setColorScheme(TEsColorScheme scheme);
  // The current row of a scheme (csCustom's follows the last scheme chosen).
  EsSchemeRow SchemeRow(TEsColorScheme scheme) const;

  TEsCustomSettings& CustomSettings() { return settings_; }
  const TEsCustomSettings& CustomSettings() const { return settings_; }

  // The colour of the text itself (the font colour). Changing it marks nothing.
  EsColor FontColor() const { return fontColor_; }
  void setFontColor(EsColor color);

  bool loading() const { return loading_ > 0; }

  // Suspends the marking of custom changes for its lifetime; nests.
  class LoadingGuard {
   public:
    explicit LoadingGuard(TEsLabelLook& look) : look_(look) { ++look_.loading_; }
    ~LoadingGuard() { --look_.loading_; }
    LoadingGuard(const LoadingGuard&) = delete;
    LoadingGuard& operator=(const LoadingGuard&) = delete;

   private:
    TEsLabelLook& look_;
  };

 private:
  void SettingChanged(EsSettingKind kind);
  void Changed() const;

  TEsAppearance appearance_ = TEsAppearance::apRaised;
  TEsColorScheme scheme_ = TEsColorScheme::csWindows;
  EsSchemeRow customRow_ = DefaultSchemeRow(TEsColorScheme::csCustom);
  EsColor fontColor_;
  int loading_ = 0;
  ChangeHandler onChange_;
  TEsCustomSettings settings_;
};

}  // namespace meridex
