#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "widgets/es_color.h"

namespace meridex {

enum class TEsShadeDirection {
  sdNone,
  sdUp,
  sdUpRight,
  sdRight,
  sdDownRight,
  sdDown,
  sdDownLeft,
  sdLeft,
  sdUpLeft
};

enum class TEsShadeStyle { ssPlain, ssExtrude, ssGraduated };
enum class TEsGraduateStyle { gsNone, gsHorizontal, gsVertical };

// A pixel step; y grows downwards.
struct EsStep {
  int dx = 0;
  int dy = 0;
  friend constexpr bool operator==(const EsStep&, const EsStep&) = default;
};

EsStep ShadeStep(TEsShadeDirection direction);

// Depths are distances in pixels, 0..255.
using TEsDepth = std::uint8_t;

// What a change of one setting touched: a colour or the geometry and styles.
enum class EsSettingKind { skColor, skOther };

// The shadow, highlight and gradient settings of a 3-D label. Each setter
// that changes a value tells the owner which kind of setting changed, so the
// owner can mark its look as custom and repaint. The owner's presets write
// through assign(), which tells nobody.
class TEsCustomSettings {
 public:
  struct Values {
    EsColor GraduateFromColor = EsColor::FromNumber(8421504);
    TEsGraduateStyle GraduateStyle = TEsGraduateStyle::gsNone;
    EsColor HighlightColor = EsColor::FromNumber(16777215);
    TEsDepth HighlightDepth = 1;
    TEsShadeDirection HighlightDirection = TEsShadeDirection::sdUpLeft;
    TEsShadeStyle HighlightStyle = TEsShadeStyle::ssPlain;
    EsColor ShadowColor = EsColor::FromNumber(0);
    TEsDepth ShadowDepth = 1;
    TEsShadeDirection ShadowDirection = TEsShadeDirection::sdDownRight;
    TEsShadeStyle ShadowStyle = TEsShadeStyle::ssPlain;
  };
  using ChangeHandler = std::function<void(EsSettingKind)>;

  TEsCustomSettings() = default;
  explicit TEsCustomSettings(ChangeHandler onChange) : onChange_(std::move(onChange)) {}
  TEsCustomSettings(const TEsCustomSettings&) = delete;
  TEsCustomSettings& operator=(const TEsCustomSettings&) = delete;

  const Values& values() const { return v_; }
  // Replaces every value without telling the owner.
  void assign(const Values& values) { v_ = values; }

  EsColor GraduateFromColor() const { return v_.GraduateFromColor; }
  TEsGraduateStyle GraduateStyle() const { return v_.GraduateStyle; }
  EsColor HighlightColor() const { return v_.HighlightColor; }
  int HighlightDepth() const { return v_.HighlightDepth; }
  TEsShadeDirection HighlightDirection() const { return v_.HighlightDirection; }
  TEsShadeStyle HighlightStyle() const { return v_.HighlightStyle; }
  EsColor ShadowColor() const { return v_.ShadowColor; }
  int ShadowDepth() const { return v_.ShadowDepth; }
  TEsShadeDirection ShadowDirection() const { return v_.ShadowDirection; }
  TEsShadeStyle ShadowStyle() const { return v_.ShadowStyle; }

  void setGraduateFromColor(EsColor color) {
    set(v_.GraduateFromColor, color, EsSettingKind::skColor);
  }
  void setGraduateStyle(TEsGraduateStyle style) {
    set(v_.GraduateStyle, style, EsSettingKind::skOther);
  }
  void setHighlightColor(EsColor color) { set(v_.HighlightColor, color, EsSettingKind::skColor); }
  // Depths outside 0..255 are brought to the nearer end.
  void setHighlightDepth(int depth) {
    set(v_.HighlightDepth, ClampDepth(depth), EsSettingKind::skOther);
  }
  void setHighlightDirection(TEsShadeDirection direction) {
    set(v_.HighlightDirection, direction, EsSettingKind::skOther);
  }
  void setHighlightStyle(TEsShadeStyle style) {
    set(v_.HighlightStyle, style, EsSettingKind::skOther);
  }
  void setShadowColor(EsColor color) { set(v_.ShadowColor, color, EsSettingKind::skColor); }
  void setShadowDepth(int depth) { set(v_.ShadowDepth, ClampDepth(depth), EsSettingKind::skOther); }
  void setShadowDirection(TEsShadeDirection direction) {
    set(v_.ShadowDirection, direction, EsSettingKind::skOther);
  }
  void setShadowStyle(TEsShadeStyle style) { set(v_.ShadowStyle, style, EsSettingKind::skOther); }

 private:
  static TEsDepth ClampDepth(int depth) {
    return static_cast<TEsDepth>(depth < 0 ? 0 : (depth > 255 ? 255 : depth));
  }
  template <typename T>
  void set(T& field, T value, EsSettingKind kind) {
    if (field == value) return;
    field = value;
    if (onChange_) onChange_(kind);
  }

  Values v_;
  ChangeHandler onChange_;
};

}  // namespace meridex
