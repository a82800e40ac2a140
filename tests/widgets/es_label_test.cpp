#include "widgets/es_label.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QImage>
#include <QSet>

namespace meridex {
namespace {

constexpr QRgb kBackground = qRgb(0, 128, 0);

// A label drawn in exact colours: no smoothing of the letters, so every
// pixel is either background or one of the colours the label draws with.
std::unique_ptr<TEsLabel> MakeLabel(const QString& caption, QSize size = {150, 35}) {
  auto label = std::make_unique<TEsLabel>(caption);
  QFont font = label->font();
  font.setStyleStrategy(QFont::NoAntialias);
  label->setFont(font);
  label->setTransparent(false);
  label->setColor(QColor(kBackground));
  label->resize(size);
  return label;
}

QImage Paint(TEsLabel& label) {
  return label.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

using PixelSet = QSet<QPoint>;

// The pixels of the bare text: no copies, drawn where the label draws it
// when nothing moves it.
PixelSet TextPixels(const QString& caption, QSize size = {150, 35}) {
  const auto label = MakeLabel(caption, size);
  label->setAppearance(TEsAppearance::apNone);
  const QImage image = Paint(*label);
  PixelSet pixels;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != kBackground) pixels.insert({x, y});
    }
  }
  return pixels;
}

struct Layer {
  QPoint offset;
  QRgb colour;
};

// The picture the layers give, drawn in order over the background.
QImage Compose(const PixelSet& text, QSize size, std::initializer_list<Layer> layers) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(kBackground);
  for (const Layer& layer : layers) {
    for (const QPoint& p : text) {
      const QPoint at = p + layer.offset;
      if (image.rect().contains(at)) image.setPixel(at, layer.colour);
    }
  }
  return image;
}

// The first pixel where two pictures differ, for the failure message.
std::string FirstDifference(const QImage& actual, const QImage& expected) {
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) {
      if (actual.pixel(x, y) != expected.pixel(x, y)) {
        return QString("at %1,%2: %3 instead of %4")
            .arg(x)
            .arg(y)
            .arg(actual.pixel(x, y) & 0xFFFFFF, 6, 16, QChar('0'))
            .arg(expected.pixel(x, y) & 0xFFFFFF, 6, 16, QChar('0'))
            .toStdString();
      }
    }
  }
  return "none";
}

TEST(EsLabelWidget, ANewLabelHasItsDefaults) {
  TEsLabel label("Meridex");
  EXPECT_EQ(label.size(), QSize(150, 35));
  EXPECT_EQ(label.font().family(), "Times New Roman");
  EXPECT_EQ(label.font().pointSize(), 20);
  EXPECT_EQ(label.FontColor(), QColor(128, 128, 128));
  EXPECT_EQ(label.Appearance(), TEsAppearance::apRaised);
  EXPECT_EQ(label.ColorScheme(), TEsColorScheme::csWindows);
  EXPECT_TRUE(label.Transparent());
  EXPECT_TRUE(label.WordWrap());
  EXPECT_TRUE(label.ShowAccelChar());
  EXPECT_TRUE(label.ParentColor());
  EXPECT_EQ(label.Alignment(), TEsAlignment::taLeftJustify);
  EXPECT_EQ(label.Version(), "v1.03");
  label.setVersion("v2.00");
  EXPECT_EQ(label.Version(), "v1.03");
  label.setColor(Qt::red);
  EXPECT_FALSE(label.ParentColor());
  EXPECT_EQ(label.Color(), QColor(Qt::red));
}

TEST(EsLabelWidget, ScreenReadersReadTheCaption) {
  TEsLabel label("Linear Distance");
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&label);
  ASSERT_NE(accessible, nullptr);
  EXPECT_EQ(accessible->text(QAccessible::Name), "Linear Distance");
  EXPECT_EQ(accessible->role(), QAccessible::StaticText);
}

TEST(EsLabelWidget, TheRaisedLookPutsEachCopyWhereItsOffsetSays) {
  const PixelSet text = TextPixels("Raised");
  ASSERT_GT(text.size(), 50);
  const auto label = MakeLabel("Raised");
  const QImage expected = Compose(
      text, label->size(),
      {{{2, 2}, qRgb(0, 0, 0)}, {{0, 0}, qRgb(255, 255, 255)}, {{1, 1}, qRgb(128, 128, 128)}});
  const QImage actual = Paint(*label);
  EXPECT_EQ(actual, expected) << FirstDifference(actual, expected);
}

TEST(EsLabelWidget, ACentredShadowLabelDrawsTextLeftAndShadowRightOfCentre) {
  const QSize size(160, 40);
  const auto centred = [&](TEsAppearance appearance) {
    auto label = MakeLabel("Weight", size);
    label->setAlignment(TEsAlignment::taCenter);
    label->setAppearance(appearance);
    return label;
  };
  PixelSet text;
  {
    const QImage bare = Paint(*centred(TEsAppearance::apNone));
    for (int y = 0; y < bare.height(); ++y)
      for (int x = 0; x < bare.width(); ++x)
        if (bare.pixel(x, y) != kBackground) text.insert({x, y});
  }
  ASSERT_GT(text.size(), 50);
  const auto label = centred(TEsAppearance::apShadow);
  const QImage expected =
      Compose(text, size, {{{1, 2}, qRgb(0, 0, 0)}, {{-1, 0}, qRgb(128, 128, 128)}});
  const QImage actual = Paint(*label);
  EXPECT_EQ(actual, expected) << FirstDifference(actual, expected);
}

TEST(EsLabelWidget, AGradientRecoloursEveryLetterPixelAndLeavesNoKeyColour) {
  const QString caption = "Volume";
  const PixelSet text = TextPixels(caption);
  const auto label = MakeLabel(caption);
  label->setAppearance(TEsAppearance::apNone);
  label->setFontColor(QColor(0, 0, 255));
  label->CustomSettings().setGraduateFromColor({255, 0, 0});
  label->CustomSettings().setGraduateStyle(TEsGraduateStyle::gsVertical);
  const QImage image = Paint(*label);

  QSet<QRgb> bandColours;
  for (int i = 0; i < 16; ++i) bandColours.insert(qRgb(255 - 17 * i, 0, 17 * i));
  QSet<QRgb> seen;
  int lastBlue = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      ASSERT_NE(pixel & 0xFFFFFF, 0xF109FEu) << x << "," << y;
      if (!text.contains({x, y})) {
        ASSERT_EQ(pixel, kBackground) << x << "," << y;
        continue;
      }
      ASSERT_TRUE(bandColours.contains(pixel)) << x << "," << y;
      ASSERT_GE(qBlue(pixel), lastBlue) << "the fade runs from the top down, at " << y;
      lastBlue = std::max(lastBlue, qBlue(pixel));
      seen.insert(pixel);
    }
  }
  EXPECT_GE(seen.size(), 8) << "the letters span most of the sixteen bands";
}

TEST(EsLabelWidget, AGradientFromTheFontColourLooksLikePlainText) {
  const auto plain = MakeLabel("Area");
  const auto graded = MakeLabel("Area");
  graded->CustomSettings().setGraduateFromColor({128, 128, 128});
  graded->CustomSettings().setGraduateStyle(TEsGraduateStyle::gsHorizontal);
  EXPECT_EQ(Paint(*graded), Paint(*plain));
}

TEST(EsLabelWidget, EveryLineOfAWrappedCaptionTakesTheGradient) {
  const QSize size(110, 80);
  const QString caption = "Linear Distance";
  const PixelSet text = TextPixels(caption, size);
  int lowest = 0;
  for (const QPoint& p : text) lowest = std::max(lowest, p.y());
  ASSERT_GT(lowest, 40) << "the caption should wrap onto a second line";

  const auto label = MakeLabel(caption, size);
  label->setAppearance(TEsAppearance::apNone);
  label->setFontColor(QColor(0, 0, 255));
  label->CustomSettings().setGraduateFromColor({255, 0, 0});
  label->CustomSettings().setGraduateStyle(TEsGraduateStyle::gsVertical);
  const QImage image = Paint(*label);
  for (const QPoint& p : text) {
    ASSERT_NE(image.pixel(p), kBackground) << p.x() << "," << p.y();
  }
  // The bands span both lines: the top of the first line is still reddish,
  // and the bottom of the second is blue but not yet the last band's.
  const auto byRow = [](QPoint a, QPoint b) { return a.y() < b.y(); };
  EXPECT_LT(qBlue(image.pixel(*std::min_element(text.begin(), text.end(), byRow))), 128);
  const int lowestBlue = qBlue(image.pixel(*std::max_element(text.begin(), text.end(), byRow)));
  EXPECT_GT(lowestBlue, 128);
  EXPECT_LT(lowestBlue, 255);
}

TEST(EsLabelWidget, ATransparentLabelShowsWhatLiesBeneathBetweenItsLetters) {
  QWidget parent;
  parent.resize(200, 60);
  parent.setAutoFillBackground(true);
  QPalette palette = parent.palette();
  palette.setColor(QPalette::Window, QColor(30, 30, 30));  // a dark desktop
  parent.setPalette(palette);
  auto* label = new TEsLabel("Dark", &parent);
  label->move(10, 10);
  label->CustomSettings().setGraduateStyle(TEsGraduateStyle::gsVertical);
  const QImage image = parent.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(image.pixel(10 + 149, 10 + 34), qRgb(30, 30, 30));
  bool white = false;
  for (int y = 10; y < 45; ++y) {
    for (int x = 10; x < 160; ++x) {
      ASSERT_NE(image.pixel(x, y) & 0xFFFFFF, 0xF109FEu);
      white = white || image.pixel(x, y) == qRgb(255, 255, 255);
    }
  }
  EXPECT_TRUE(white) << "the highlight keeps its own colour on a dark palette";
}

TEST(EsLabelWidget, TheSizeHintLeavesRoomForTheCopies) {
  TEsLabel label("Temperature");
  const QSize raised = label.sizeHint();
  label.setAppearance(TEsAppearance::apFlying);
  EXPECT_EQ(label.sizeHint() - raised, QSize(3, 3));  // spread 2 before, 5 now
  EXPECT_GT(raised.width(), QFontMetrics(label.font()).horizontalAdvance("Temperature"));
}

}  // namespace
}  // namespace meridex
