#include "widgets/es_paint_plan.h"

#include <gtest/gtest.h>

#include "widgets/es_label_look.h"

namespace meridex {
namespace {

constexpr EsColor kWhite{255, 255, 255};
constexpr EsColor kBlack{0, 0, 0};
constexpr EsColor kGray{128, 128, 128};

constexpr EsColor Grey(int level) {
  return {static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(level),
          static_cast<std::uint8_t>(level)};
}

EsPaintInput InputOf(const TEsLabelLook& look, TEsAlignment alignment = TEsAlignment::taLeftJustify,
                     EsTextExtent text = {}) {
  EsPaintInput in;
  in.settings = look.CustomSettings().values();
  in.fontColor = look.FontColor();
  in.alignment = alignment;
  in.width = 150;
  in.height = 35;
  in.text = text;
  return in;
}

using Copies = std::vector<EsCopy>;

TEST(EsPaintPlan, TheDefaultLookIsAWhiteCopyUpLeftABlackOneDownRightAndGreyTextBetween) {
  TEsLabelLook look;
  const EsPaintPlan plan = PlanEsPaint(InputOf(look));
  // Everything moves one pixel right and down so that the up-left copy stays inside.
  EXPECT_EQ(plan.shadows, (Copies{{{2, 2}, kBlack}}));
  EXPECT_EQ(plan.highlights, (Copies{{{0, 0}, kWhite}}));
  EXPECT_EQ(plan.text, (EsCopy{{1, 1}, kGray}));
  EXPECT_TRUE(plan.bands.empty());
  EXPECT_EQ(EsReliefSpread(look.CustomSettings().values()), 2);
}

TEST(EsPaintPlan, FlyingSendsBothCopiesDownRightWithTheHighlightInTheSchemesShadowColour) {
  TEsLabelLook look;
  look.setAppearance(TEsAppearance::apFlying);
  const EsPaintPlan plan = PlanEsPaint(InputOf(look));
  EXPECT_EQ(plan.shadows, (Copies{{{5, 5}, kBlack}}));
  EXPECT_EQ(plan.highlights, (Copies{{{1, 1}, kBlack}}));
  EXPECT_EQ(plan.text, (EsCopy{{0, 0}, kGray}));
}

TEST(EsPaintPlan, AnExtrudedShadowIsASolidRunFromItsDepthToOnePixel) {
  TEsLabelLook look;
  look.CustomSettings().setShadowStyle(TEsShadeStyle::ssExtrude);
  look.CustomSettings().setShadowDepth(3);
  const EsPaintPlan plan = PlanEsPaint(InputOf(look));
  // Distances 3, 2 and 1, plus the one-pixel shift of the up-left highlight.
  EXPECT_EQ(plan.shadows, (Copies{{{4, 4}, kBlack}, {{3, 3}, kBlack}, {{2, 2}, kBlack}}));
  EXPECT_EQ(plan.highlights, (Copies{{{0, 0}, kWhite}}));

  // Depths of 1 and 0 draw one copy whatever the style.
  look.CustomSettings().setShadowDepth(1);
  EXPECT_EQ(PlanEsPaint(InputOf(look)).shadows, (Copies{{{2, 2}, kBlack}}));
  look.CustomSettings().setShadowDepth(0);
  EXPECT_EQ(PlanEsPaint(InputOf(look)).shadows, (Copies{{{1, 1}, kBlack}}));
}

TEST(EsPaintPlan, AGraduatedShadowFadesFromItsColourFarAwayToTheTextColourNextToIt) {
  TEsLabelLook look;
  look.setAppearance(TEsAppearance::apNone);
  look.setFontColor(kWhite);
  look.CustomSettings().setShadowDirection(TEsShadeDirection::sdRight);
  look.CustomSettings().setShadowStyle(TEsShadeStyle::ssGraduated);
  look.CustomSettings().setShadowDepth(5);
  const EsPaintPlan plan = PlanEsPaint(InputOf(look));
  // 255/4 per step: 63.75, 127.5 (to even: 128), 191.25, 255.
  EXPECT_EQ(plan.shadows, (Copies{{{5, 0}, Grey(0)},
                                  {{4, 0}, Grey(64)},
                                  {{3, 0}, Grey(128)},
                                  {{2, 0}, Grey(191)},
                                  {{1, 0}, Grey(255)}}));

  // Channels step separately, and downwards as well.
  look.setFontColor({10, 200, 0});
  look.CustomSettings().setShadowColor({250, 0, 100});
  look.CustomSettings().setShadowDepth(3);
  const EsPaintPlan mixed = PlanEsPaint(InputOf(look));
  ASSERT_EQ(mixed.shadows.size(), 3u);
  EXPECT_EQ(mixed.shadows[0].color, (EsColor{250, 0, 100}));
  EXPECT_EQ(mixed.shadows[1].color, (EsColor{130, 100, 50}));
  EXPECT_EQ(mixed.shadows[2].color, (EsColor{10, 200, 0}));
}

TEST(EsPaintPlan, HighlightCopiesFollowTheirOwnSettings) {
  TEsLabelLook look;
  look.setAppearance(TEsAppearance::apSunken);
  look.CustomSettings().setHighlightStyle(TEsShadeStyle::ssExtrude);
  look.CustomSettings().setHighlightDepth(2);
  const EsPaintPlan plan = PlanEsPaint(InputOf(look));
  // Shadow up-left by one moves everything one right and down.
  EXPECT_EQ(plan.shadows, (Copies{{{0, 0}, kBlack}}));
  EXPECT_EQ(plan.highlights, (Copies{{{3, 3}, kWhite}, {{2, 2}, kWhite}}));
  EXPECT_EQ(plan.text.offset, (EsStep{1, 1}));
}

TEST(EsPaintPlan, CentredAndRightAlignedTextMoveLeftSoThatTextAndCopiesKeepTheAlignment) {
  TEsLabelLook look;
  look.setAppearance(TEsAppearance::apShadow);
  const EsPaintPlan centred = PlanEsPaint(InputOf(look, TEsAlignment::taCenter));
  EXPECT_EQ(centred.text.offset, (EsStep{-1, 0}));
  EXPECT_EQ(centred.shadows, (Copies{{{1, 2}, kBlack}}));
  EXPECT_EQ(centred.highlights, (Copies{{{-1, 0}, kWhite}}));

  const EsPaintPlan right = PlanEsPaint(InputOf(look, TEsAlignment::taRightJustify));
  EXPECT_EQ(right.text.offset, (EsStep{-2, 0}));
  EXPECT_EQ(right.shadows, (Copies{{{0, 2}, kBlack}}));

  // An odd spread: half of it, rounded down.
  look.CustomSettings().setShadowDepth(3);
  EXPECT_EQ(PlanEsPaint(InputOf(look, TEsAlignment::taCenter)).text.offset, (EsStep{-1, 0}));
}

TEST(EsPaintPlan, AVerticalGradientHasSixteenBandsFromTheTopOfTheText) {
  TEsLabelLook look;  // raised: the text starts one pixel down
  look.setFontColor({0, 100, 255});
  look.CustomSettings().setGraduateFromColor({255, 0, 0});
  look.CustomSettings().setGraduateStyle(TEsGraduateStyle::gsVertical);
  const EsPaintPlan plan = PlanEsPaint(InputOf(look, TEsAlignment::taLeftJustify, {60, 21}));
  ASSERT_EQ(plan.bands.size(), 16u);
  EXPECT_EQ(plan.gradient, TEsGraduateStyle::gsVertical);
  // Band limits round(i * 20/15) + 1: 1, 2, 4, 5, 6, 8, 9, 10, 12, ..., 21, 22.
  const int tops[] = {1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, 16, 17, 18, 20, 21};
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(plan.bands[i].top, tops[i]) << i;
    EXPECT_EQ(plan.bands[i].bottom, i < 15 ? tops[i + 1] : 22) << i;
    EXPECT_EQ(plan.bands[i].left, 0);
    EXPECT_EQ(plan.bands[i].right, 150);
  }
  // Colours: from + round(i * (to - from) / 15) per channel.
  EXPECT_EQ(plan.bands[0].color, (EsColor{255, 0, 0}));
  EXPECT_EQ(plan.bands[1].color, (EsColor{238, 7, 17}));
  EXPECT_EQ(plan.bands[7].color, (EsColor{136, 47, 119}));
  EXPECT_EQ(plan.bands[15].color, (EsColor{0, 100, 255}));
}

TEST(EsPaintPlan, AHorizontalGradientStartsAtTheTextsLeftEdgeForEachAlignment) {
  TEsLabelLook look;  // spread 2, shift one right
  look.CustomSettings().setGraduateStyle(TEsGraduateStyle::gsHorizontal);
  const EsTextExtent text{61, 20};  // L = 60, four pixels a band
  const auto firstAndLast = [&](TEsAlignment alignment) {
    const EsPaintPlan plan = PlanEsPaint(InputOf(look, alignment, text));
    EXPECT_EQ(plan.bands.front().top, 0);
    EXPECT_EQ(plan.bands.front().bottom, 35);
    return std::pair(plan.bands.front().left, plan.bands.back().right);
  };
  EXPECT_EQ(firstAndLast(TEsAlignment::taLeftJustify), std::pair(1, 65));
  EXPECT_EQ(firstAndLast(TEsAlignment::taCenter), std::pair(44, 108));  // (150-61) div 2 +1 -1
  EXPECT_EQ(firstAndLast(TEsAlignment::taRightJustify), std::pair(88, 152));  // 150 - 1 - 61
  // A caption wider than the label: the division truncates towards zero.
  EXPECT_EQ(PlanEsPaint(InputOf(look, TEsAlignment::taCenter, {155, 20})).bands.front().left, -2);
}

TEST(EsPaintPlan, AGradientFromTheFontColourGivesUniformText) {
  TEsLabelLook look;
  look.setFontColor({12, 34, 56});
  look.CustomSettings().setGraduateFromColor({12, 34, 56});
  look.CustomSettings().setGraduateStyle(TEsGraduateStyle::gsHorizontal);
  const EsPaintPlan plan = PlanEsPaint(InputOf(look, TEsAlignment::taLeftJustify, {80, 20}));
  ASSERT_EQ(plan.bands.size(), 16u);
  for (const EsBand& band : plan.bands) EXPECT_EQ(band.color, (EsColor{12, 34, 56}));
}

TEST(EsPaintPlan, AnEmptyCaptionHasNoBands) {
  TEsLabelLook look;
  look.CustomSettings().setGraduateStyle(TEsGraduateStyle::gsVertical);
  EXPECT_TRUE(PlanEsPaint(InputOf(look, TEsAlignment::taLeftJustify, {0, 0})).bands.empty());
}

}  // namespace
}  // namespace meridex
