#pragma once

#include <QColor>
#include <QLabel>
#include <optional>

#include "widgets/es_label_look.h"
#include "widgets/es_paint_plan.h"

namespace meridex {

QColor ToQColor(EsColor color);
EsColor ToEsColor(const QColor& color);

// A caption drawn in relief: shadow and highlight copies of the text, plain,
// extruded or graduated, then the text itself, plain or filled with a
// gradient. The look (appearance, colour scheme, custom settings, text
// colour) and all its arithmetic live in TEsLabelLook and PlanEsPaint; this
// class only measures the caption and paints what the plan says.
//
// It is a QLabel, so assistive technology reads its text like any label's,
// and a buddy (FocusControl) takes the focus on the caption's accelerator.
// Its colours are its own, not the desktop palette's: a caption looks the
// same under a light or a dark palette, apart from what shows through when
// it is transparent.
class TEsCustomLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TEsCustomLabel(const QString& caption = {}, QWidget* parent = nullptr);

  TEsAppearance Appearance() const { return look_.Appearance(); }
  void setAppearance(TEsAppearance appearance) { look_.setAppearance(appearance); }
  TEsColorScheme ColorScheme() const { return look_.ColorScheme(); }
  void setColorScheme(TEsColorScheme scheme) { look_.setColorScheme(scheme); }
  TEsCustomSettings& CustomSettings() { return look_.CustomSettings(); }
  const TEsCustomSettings& CustomSettings() const { return look_.CustomSettings(); }
  const TEsLabelLook& look() const { return look_; }

  // The text colour (the font colour).
  QColor FontColor() const { return ToQColor(look_.FontColor()); }
  void setFontColor(const QColor& color) { look_.setFontColor(ToEsColor(color)); }

  // While the returned guard lives, changing custom settings does not mark
  // the look as custom: a window applies a caption's stored definition
  // (appearance, scheme, then the single settings and the font) under it.
  [[nodiscard]] TEsLabelLook::LoadingGuard Loading() { return TEsLabelLook::LoadingGuard(look_); }

  // Alignment and word wrap are the label's own and replace QLabel's, which
  // this class does not use for drawing.
  TEsAlignment Alignment() const { return alignment_; }
  void setAlignment(TEsAlignment alignment);
  bool WordWrap() const { return wordWrap_; }
  void setWordWrap(bool wrap);
  bool ShowAccelChar() const { return showAccelChar_; }
  void setShowAccelChar(bool show);
  // When transparent, what lies under the label shows between the letters;
  // otherwise the label is filled with Color().
  bool Transparent() const { return transparent_; }
  void setTransparent(bool transparent);
  // The fill colour; while ParentColor() it is the colour of what it lies on.
  QColor Color() const;
  void setColor(const QColor& color);
  bool ParentColor() const { return !color_.has_value(); }
  void setParentColor(bool parentColor);
  QWidget* FocusControl() const { return buddy(); }
  void setFocusControl(QWidget* control) { setBuddy(control); }

  QString Version() const { return QStringLiteral("v1.03"); }
  void setVersion(const QString&) {}  // the version is fixed

  // The caption with room for its copies.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  // What a paint of the current state draws (the widget's own coordinates).
  EsPaintPlan Plan() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  int TextFlags() const;
  void PaintGradientText(QPainter& painter, const EsPaintPlan& plan) const;

  TEsLabelLook look_;
  TEsAlignment alignment_ = TEsAlignment::taLeftJustify;
  bool wordWrap_ = true;
  bool showAccelChar_ = true;
  bool transparent_ = true;
  std::optional<QColor> color_;
};

// The 3-D label the windows place. A new one is 150 x 35 pixels, raised, in
// the csWindows colour scheme, with its caption in Times New Roman 20 in the
// scheme's text colour.
class TEsLabel final : public TEsCustomLabel {
  Q_OBJECT
 public:
  using TEsCustomLabel::TEsCustomLabel;
};

}  // namespace meridex
