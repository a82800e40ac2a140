#include "widgets/es_label_look.h"

#include <gtest/gtest.h>

namespace meridex {
namespace {

using enum TEsShadeDirection;

constexpr EsColor kWhite{255, 255, 255};
constexpr EsColor kBlack{0, 0, 0};
constexpr EsColor kGray{128, 128, 128};
constexpr EsColor kRed{255, 0, 0};

TEST(EsLabelLook, ANewLookIsRaisedInTheDefaultSchemeWithTheDefaultSettings) {
  TEsLabelLook look;
  EXPECT_EQ(look.Appearance(), TEsAppearance::apRaised);
  EXPECT_EQ(look.ColorScheme(), TEsColorScheme::csWindows);
  EXPECT_EQ(look.FontColor(), kGray);
  const TEsCustomSettings& s = look.CustomSettings();
  EXPECT_EQ(s.GraduateFromColor(), kGray);
  EXPECT_EQ(s.GraduateStyle(), TEsGraduateStyle::gsNone);
  EXPECT_EQ(s.HighlightColor(), kWhite);
  EXPECT_EQ(s.HighlightDepth(), 1);
  EXPECT_EQ(s.HighlightDirection(), sdUpLeft);
  EXPECT_EQ(s.HighlightStyle(), TEsShadeStyle::ssPlain);
  EXPECT_EQ(s.ShadowColor(), kBlack);
  EXPECT_EQ(s.ShadowDepth(), 1);
  EXPECT_EQ(s.ShadowDirection(), sdDownRight);
  EXPECT_EQ(s.ShadowStyle(), TEsShadeStyle::ssPlain);
  EXPECT_EQ(look.SchemeRow(TEsColorScheme::csCustom), (EsSchemeRow{kWhite, kBlack, kGray}));
  // Stored colour numbers keep red in the low byte.
  EXPECT_EQ(EsColor::FromNumber(0x0000FF), kRed);
  EXPECT_EQ(kGray.number(), 8421504u);
}

TEST(EsLabelLook, ShadeDirectionsStepOnePixelWithYGrowingDownwards) {
  const std::pair<TEsShadeDirection, EsStep> steps[] = {
      {sdNone, {0, 0}},      {sdUp, {0, -1}},       {sdUpRight, {1, -1}},
      {sdRight, {1, 0}},     {sdDownRight, {1, 1}}, {sdDown, {0, 1}},
      {sdDownLeft, {-1, 1}}, {sdLeft, {-1, 0}},     {sdUpLeft, {-1, -1}}};
  for (const auto& [direction, step] : steps) {
    EXPECT_EQ(ShadeStep(direction), step) << static_cast<int>(direction);
  }
}

TEST(EsLabelLook, ChoosingASchemeSetsItsColoursAndRemembersItAsTheCustomRow) {
  TEsLabelLook look;
  look.setColorScheme(TEsColorScheme::csSteel);
  EXPECT_EQ(look.CustomSettings().HighlightColor(), (EsColor{0, 255, 255}));
  EXPECT_EQ(look.CustomSettings().ShadowColor(), (EsColor{0, 0, 128}));
  EXPECT_EQ(look.FontColor(), (EsColor{0, 128, 128}));

  look.setColorScheme(TEsColorScheme::csGold);
  look.setFontColor(kRed);
  look.setColorScheme(TEsColorScheme::csCustom);  // back to the row last chosen: gold
  EXPECT_EQ(look.CustomSettings().HighlightColor(), (EsColor{255, 255, 0}));
  EXPECT_EQ(look.CustomSettings().ShadowColor(), kBlack);
  EXPECT_EQ(look.FontColor(), (EsColor{128, 128, 0}));

  look.setColorScheme(TEsColorScheme::csEmbossed);
  EXPECT_EQ(look.FontColor(), (EsColor{192, 192, 192}));
  look.setColorScheme(TEsColorScheme::csText);
  EXPECT_EQ(look.CustomSettings().ShadowColor(), kGray);
  EXPECT_EQ(look.FontColor(), kBlack);
  EXPECT_EQ(look.SchemeRow(TEsColorScheme::csCustom), (EsSchemeRow{kWhite, kGray, kBlack}));
}

TEST(EsLabelLook, ChoosingTheCurrentSchemeOrAppearanceAgainChangesNothing) {
  TEsLabelLook look;
  {
    TEsLabelLook::LoadingGuard loading(look);
    look.CustomSettings().setHighlightColor(kRed);
    look.CustomSettings().setShadowDepth(4);
  }
  look.setColorScheme(TEsColorScheme::csWindows);
  look.setAppearance(TEsAppearance::apRaised);
  EXPECT_EQ(look.CustomSettings().HighlightColor(), kRed);
  EXPECT_EQ(look.CustomSettings().ShadowDepth(), 4);
}

struct PresetRow {
  TEsAppearance appearance;
  TEsShadeDirection highlight;
  TEsShadeDirection shadow;
  int highlightDepth;
  int shadowDepth;
};

TEST(EsLabelLook, AppearancesSetTheGeometryAndLeaveStylesAndGradientAlone) {
  const PresetRow rows[] = {{TEsAppearance::apNone, sdNone, sdNone, 0, 0},
                            {TEsAppearance::apFlying, sdDownRight, sdDownRight, 1, 5},
                            {TEsAppearance::apRaised, sdUpLeft, sdDownRight, 1, 1},
                            {TEsAppearance::apSunken, sdDownRight, sdUpLeft, 1, 1},
                            {TEsAppearance::apShadow, sdNone, sdDownRight, 0, 2}};
  for (const PresetRow& row : rows) {
    TEsLabelLook look;
    {
      TEsLabelLook::LoadingGuard loading(look);
      look.CustomSettings().setShadowStyle(TEsShadeStyle::ssExtrude);
      look.CustomSettings().setGraduateStyle(TEsGraduateStyle::gsVertical);
      look.CustomSettings().setHighlightDepth(7);  // apRaised must not keep this
    }
    look.setAppearance(TEsAppearance::apCustom);  // leave apRaised, so each row applies
    look.setAppearance(row.appearance);
    const TEsCustomSettings& s = look.CustomSettings();
    SCOPED_TRACE(static_cast<int>(row.appearance));
    EXPECT_EQ(s.HighlightDirection(), row.highlight);
    EXPECT_EQ(s.ShadowDirection(), row.shadow);
    EXPECT_EQ(s.HighlightDepth(), row.highlightDepth);
    EXPECT_EQ(s.ShadowDepth(), row.shadowDepth);
    EXPECT_EQ(s.ShadowStyle(), TEsShadeStyle::ssExtrude);
    EXPECT_EQ(s.GraduateStyle(), TEsGraduateStyle::gsVertical);
    EXPECT_EQ(look.ColorScheme(), TEsColorScheme::csWindows);
  }
}

TEST(EsLabelLook, AppearancesTakeTheHighlightFromTheSchemeAndFlyingTakesItsShadow) {
  TEsLabelLook look;
  look.setColorScheme(TEsColorScheme::csSteel);
  {
    TEsLabelLook::LoadingGuard loading(look);
    look.CustomSettings().setHighlightColor(kRed);
  }
  look.setAppearance(TEsAppearance::apSunken);
  EXPECT_EQ(look.CustomSettings().HighlightColor(), (EsColor{0, 255, 255}));
  look.setAppearance(TEsAppearance::apFlying);
  EXPECT_EQ(look.CustomSettings().HighlightColor(), (EsColor{0, 0, 128}));
  look.setAppearance(TEsAppearance::apCustom);
  EXPECT_EQ(look.CustomSettings().HighlightColor(), (EsColor{0, 255, 255}));
  EXPECT_EQ(look.CustomSettings().ShadowDepth(), 5);  // geometry as flying left it
  EXPECT_EQ(look.ColorScheme(), TEsColorScheme::csSteel);
}

TEST(EsLabelLook, AColourChangeMakesTheSchemeCustomAndKeepsTheNewColour) {
  using Setter = void (TEsCustomSettings::*)(EsColor);
  using Getter = EsColor (TEsCustomSettings::*)() const;
  const std::pair<Setter, Getter> colours[] = {
      {&TEsCustomSettings::setHighlightColor, &TEsCustomSettings::HighlightColor},
      {&TEsCustomSettings::setShadowColor, &TEsCustomSettings::ShadowColor},
      {&TEsCustomSettings::setGraduateFromColor, &TEsCustomSettings::GraduateFromColor}};
  TEsLabelLook look;
  for (const auto& [set, get] : colours) {
    look.setColorScheme(TEsColorScheme::csGold);
    (look.CustomSettings().*set)(kRed);
    EXPECT_EQ(look.ColorScheme(), TEsColorScheme::csCustom);
    EXPECT_EQ((look.CustomSettings().*get)(), kRed);  // not overwritten by the custom row
    EXPECT_EQ(look.Appearance(), TEsAppearance::apRaised);
    EXPECT_EQ(look.FontColor(), (EsColor{128, 128, 0}));
  }
}

TEST(EsLabelLook, AnyOtherChangeMakesTheAppearanceCustomAndKeepsTheGeometry) {
  TEsLabelLook look;
  look.setAppearance(TEsAppearance::apFlying);
  look.CustomSettings().setShadowDepth(3);
  EXPECT_EQ(look.Appearance(), TEsAppearance::apCustom);
  EXPECT_EQ(look.ColorScheme(), TEsColorScheme::csWindows);
  EXPECT_EQ(look.CustomSettings().ShadowDepth(), 3);
  EXPECT_EQ(look.CustomSettings().HighlightColor(), kBlack);  // flying's, not reset
  EXPECT_EQ(look.CustomSettings().HighlightDirection(), sdDownRight);

  for (auto change :
       {+[](TEsCustomSettings& s) { s.setGraduateStyle(TEsGraduateStyle::gsHorizontal); },
        +[](TEsCustomSettings& s) { s.setHighlightDepth(2); },
        +[](TEsCustomSettings& s) { s.setHighlightDirection(sdUp); },
        +[](TEsCustomSettings& s) { s.setHighlightStyle(TEsShadeStyle::ssExtrude); },
        +[](TEsCustomSettings& s) { s.setShadowDirection(sdLeft); },
        +[](TEsCustomSettings& s) { s.setShadowStyle(TEsShadeStyle::ssGraduated); }}) {
    look.setAppearance(TEsAppearance::apSunken);
    change(look.CustomSettings());
    EXPECT_EQ(look.Appearance(), TEsAppearance::apCustom);
  }
  EXPECT_EQ(look.ColorScheme(), TEsColorScheme::csWindows);
}

TEST(EsLabelLook, SettingAValueItAlreadyHasMarksNothing) {
  TEsLabelLook look;
  look.CustomSettings().setHighlightColor(kWhite);
  look.CustomSettings().setShadowDepth(1);
  EXPECT_EQ(look.ColorScheme(), TEsColorScheme::csWindows);
  EXPECT_EQ(look.Appearance(), TEsAppearance::apRaised);
}

TEST(EsLabelLook, WhileADefinitionIsAppliedTheStoredPropertiesDecideInOrder) {
  TEsLabelLook look;
  {
    TEsLabelLook::LoadingGuard loading(look);
    look.setAppearance(TEsAppearance::apFlying);
    look.setColorScheme(TEsColorScheme::csGold);
    look.CustomSettings().setShadowDepth(3);
    look.CustomSettings().setShadowColor(kRed);
    { TEsLabelLook::LoadingGuard nested(look); }
    look.CustomSettings().setShadowStyle(TEsShadeStyle::ssExtrude);
    EXPECT_TRUE(look.loading());
  }
  EXPECT_FALSE(look.loading());
  EXPECT_EQ(look.Appearance(), TEsAppearance::apFlying);
  EXPECT_EQ(look.ColorScheme(), TEsColorScheme::csGold);
  EXPECT_EQ(look.CustomSettings().HighlightColor(), (EsColor{255, 255, 0}));
  EXPECT_EQ(look.CustomSettings().ShadowColor(), kRed);
  EXPECT_EQ(look.CustomSettings().ShadowDepth(), 3);
  EXPECT_EQ(look.CustomSettings().ShadowStyle(), TEsShadeStyle::ssExtrude);

  look.CustomSettings().setShadowDepth(4);  // after loading, changes mark again
  EXPECT_EQ(look.Appearance(), TEsAppearance::apCustom);
}

TEST(EsLabelLook, DepthsStayWithinTheirRange) {
  TEsLabelLook look;
  look.CustomSettings().setShadowDepth(300);
  look.CustomSettings().setHighlightDepth(-4);
  EXPECT_EQ(look.CustomSettings().ShadowDepth(), 255);
  EXPECT_EQ(look.CustomSettings().HighlightDepth(), 0);
}

TEST(EsLabelLook, EveryChangeOfTheDrawingIsReportedOnce) {
  int changes = 0;
  TEsLabelLook look([&changes] { ++changes; });
  look.setColorScheme(TEsColorScheme::csGold);
  look.setAppearance(TEsAppearance::apShadow);
  look.setFontColor(kRed);
  look.CustomSettings().setShadowDepth(3);
  {
    TEsLabelLook::LoadingGuard loading(look);
    look.CustomSettings().setHighlightColor(kRed);
  }
  EXPECT_EQ(changes, 5);
  look.setFontColor(kRed);
  look.setColorScheme(TEsColorScheme::csCustom);
  look.CustomSettings().setShadowDepth(3);
  EXPECT_EQ(changes, 6);  // only the scheme, which was still gold: now custom
}

}  // namespace
}  // namespace meridex
