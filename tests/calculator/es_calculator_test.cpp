#include "calculator/es_calculator.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

namespace meridex {
namespace {

const QColor kGray(128, 128, 128);
const QColor kRed(255, 0, 0);

// The control as the calculator window sizes it, shown and focused.
class EsCalculatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    calc.resize(209, 161);
    calc.show();
    calc.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&calc));
    calc.setFocus();
  }

  QPoint centre(int code) const {
    const CalcRect& r = calc.Layout().buttons[code];
    return QPoint(r.x + r.width / 2, r.y + r.height / 2);
  }
  void click(int code) { QTest::mouseClick(&calc, Qt::LeftButton, {}, centre(code)); }
  QList<int> pressed() const {
    QList<int> codes;
    for (const QList<QVariant>& args : spy) codes.append(args.at(0).toInt());
    return codes;
  }

  int beeps = 0;
  TEsCalculator calc{nullptr, [this] { ++beeps; }};
  QSignalSpy spy{&calc, &TEsCalculator::ButtonPressed};
};

TEST_F(EsCalculatorTest, LaysOutTheButtonsOfTheWindowsControl) {
  EXPECT_EQ(calc.Layout().display.height, QFontMetrics(calc.font()).height() + 8);
  EXPECT_EQ(calc.DisplayPanel()->geometry(), QRect(6, 6, 197, calc.Layout().display.height));
  // Font heights of 10 to 14 pixels all give 21-pixel rows from y = 34.
  EXPECT_EQ(calc.Layout().buttons[cbBack], (CalcRect{75, 34, 40, 21}));
  EXPECT_EQ(calc.Layout().buttons[cbEquals], (CalcRect{174, 134, 29, 21}));
  EXPECT_EQ(calc.Layout().buttons[cbMemoryStore], (CalcRect{6, 84, 29, 21}));
  EXPECT_EQ(calc.Text(), "0 ");
  EXPECT_EQ(calc.DisplayPanel()->text(), "0 ");
  EXPECT_EQ(calc.Caption(cbReciprocal), "1/x");
  EXPECT_EQ(calc.Caption(cbDecimal), ".");
  EXPECT_EQ(calc.Version(), "v1.03");
  calc.setVersion("v2");
  EXPECT_EQ(calc.Version(), "v1.03");

  calc.setShowMemoryButtons(false);
  EXPECT_FALSE(calc.Layout().visible[cbMemoryClear]);
  EXPECT_EQ(calc.Layout().buttons[cbDigit0 + 7], (CalcRect{8, 61, 36, 20}));
}

TEST_F(EsCalculatorTest, PressesOnReleaseInsideTheButton) {
  QTest::mousePress(&calc, Qt::LeftButton, {}, centre(cbDigit0 + 7));
  EXPECT_EQ(calc.PressedButton(), cbDigit0 + 7);
  EXPECT_TRUE(pressed().isEmpty());
  QTest::mouseRelease(&calc, Qt::LeftButton, {}, centre(cbDigit0 + 7));
  EXPECT_EQ(calc.PressedButton(), 0);
  EXPECT_EQ(pressed(), QList<int>{cbDigit0 + 7});
  EXPECT_EQ(calc.Text(), "7 ");

  // Released outside, the button is not pressed.
  QTest::mousePress(&calc, Qt::LeftButton, {}, centre(cbDigit0 + 8));
  QTest::mouseRelease(&calc, Qt::LeftButton, {}, centre(cbDigit0 + 9));
  EXPECT_EQ(calc.PressedButton(), 0);
  EXPECT_EQ(calc.Text(), "7 ");
  // Gaps and other mouse buttons press nothing.
  QTest::mouseClick(&calc, Qt::LeftButton, {}, QPoint(38, 40));
  QTest::mouseClick(&calc, Qt::RightButton, {}, centre(cbDigit0 + 1));
  EXPECT_EQ(pressed(), QList<int>{cbDigit0 + 7});

  click(cbAdd);
  click(cbDigit0 + 5);
  click(cbEquals);
  EXPECT_EQ(calc.Text(), "12 ");
}

TEST_F(EsCalculatorTest, MemoryRecallIsNotClickableWhileMemoryIsEmpty) {
  EXPECT_EQ(calc.CaptionColor(cbMemoryClear), kGray);
  EXPECT_EQ(calc.CaptionColor(cbMemoryRecall), kGray);
  EXPECT_EQ(calc.CaptionColor(cbMemoryStore), kRed);
  click(cbMemoryRecall);
  click(cbMemoryClear);
  EXPECT_TRUE(pressed().isEmpty());
  QTest::keyClick(&calc, Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(pressed(), QList<int>{cbMemoryRecall});
  EXPECT_EQ(calc.Text(), "0 ");

  QTest::keyClicks(&calc, "42");
  click(cbMemoryStore);
  EXPECT_EQ(calc.CaptionColor(cbMemoryClear), kRed);
  EXPECT_EQ(calc.CaptionColor(cbMemoryRecall), kRed);
  click(cbClear);
  click(cbMemoryRecall);
  EXPECT_EQ(calc.Text(), "42 ");
  click(cbMemoryClear);
  EXPECT_EQ(calc.CaptionColor(cbMemoryRecall), kGray);
}

TEST_F(EsCalculatorTest, MapsKeysToButtons) {
  QTest::keyClicks(&calc, "2+3*4");
  QTest::keyClick(&calc, Qt::Key_Return);
  EXPECT_EQ(calc.Text(), "20 ");
  QTest::keyClick(&calc, Qt::Key_F9);
  EXPECT_EQ(calc.Text(), "-20 ");
  QTest::keyClick(&calc, Qt::Key_F9, Qt::ShiftModifier);  // nothing
  QTest::keyClick(&calc, Qt::Key_Escape);
  EXPECT_EQ(calc.Text(), "0 ");
  QTest::keyClicks(&calc, "123");
  QTest::keyClick(&calc, Qt::Key_Backspace);
  EXPECT_EQ(calc.Text(), "12 ");
  QTest::keyClick(&calc, Qt::Key_Delete);
  EXPECT_EQ(calc.Text(), "0 ");
  QTest::keyClicks(&calc, "16@");
  EXPECT_EQ(calc.Text(), "4 ");
  QTest::keyClicks(&calc, "r");
  EXPECT_EQ(calc.Text(), "0.25 ");
  QTest::keyClick(&calc, Qt::Key_M, Qt::ControlModifier);
  QTest::keyClick(&calc, Qt::Key_P, Qt::ControlModifier);
  QTest::keyClick(&calc, Qt::Key_S, Qt::ControlModifier);
  QTest::keyClick(&calc, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(calc.engine().Memory(), 0.0L);
  QTest::keyClicks(&calc, "x");  // not a key of the calculator
  EXPECT_EQ(pressed(), (QList<int>{cbDigit0 + 2,    cbAdd,         cbDigit0 + 3, cbMultiply,
                                   cbDigit0 + 4,    cbEquals,      cbChangeSign, cbClear,
                                   cbDigit0 + 1,    cbDigit0 + 2,  cbDigit0 + 3, cbBack,
                                   cbClearEntry,    cbDigit0 + 1,  cbDigit0 + 6, cbSqrt,
                                   cbReciprocal,    cbMemoryStore, cbMemoryAdd,  cbMemorySubtract,
                                   cbMemorySubtract}));
}

TEST_F(EsCalculatorTest, CopiesAndPastesThroughTheClipboard) {
  QTest::keyClicks(&calc, "6*7=");
  QTest::keyClick(&calc, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "42 ");
  QGuiApplication::clipboard()->setText("1,234.50");
  QTest::keyClick(&calc, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(calc.Text(), "1234.50 ");
  QGuiApplication::clipboard()->setText("-12.5");
  QTest::keyClick(&calc, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(&calc, Qt::Key_Enter);
  EXPECT_EQ(calc.Text(), "-12.5 ");
  calc.SetText("3*3=");
  EXPECT_EQ(calc.Text(), "9 ");
}

TEST_F(EsCalculatorTest, ErrorStateBeepsAndRaisesNoEvent) {
  QTest::keyClicks(&calc, "7/0=");
  EXPECT_EQ(calc.Text(), "****** ");
  EXPECT_EQ(beeps, 1);
  spy.clear();
  QTest::keyClicks(&calc, "5");
  click(cbAdd);
  EXPECT_EQ(beeps, 3);
  EXPECT_TRUE(spy.isEmpty());
  EXPECT_EQ(calc.PressedButton(), 0);
  QTest::keyClick(&calc, Qt::Key_Escape);
  EXPECT_EQ(pressed(), QList<int>{cbClear});
  EXPECT_EQ(calc.Text(), "0 ");
}

TEST_F(EsCalculatorTest, ClickingTheDisplayFocusesTheCalculator) {
  calc.clearFocus();
  EXPECT_FALSE(calc.hasFocus());
  QTest::mouseClick(calc.DisplayPanel(), Qt::LeftButton, {}, QPoint(20, 5));
  EXPECT_TRUE(calc.hasFocus());
  EXPECT_TRUE(spy.isEmpty());
}

TEST(EsCalcColors, SchemesAndSingleColours) {
  TEsCalcColors colors;
  int changes = 0;
  colors.OnChange = [&changes] { ++changes; };
  EXPECT_EQ(colors.ColorScheme(), csCustom);
  EXPECT_EQ(colors.color(ccOperatorButtons), kRed);
  EXPECT_EQ(colors.color(ccDisplay), QGuiApplication::palette().color(QPalette::Base));

  colors.setColorScheme(csDark);
  EXPECT_EQ(colors.ColorScheme(), csDark);
  EXPECT_EQ(colors.color(ccDisplay), QColor(0, 0, 0));
  EXPECT_EQ(colors.color(ccDisplayText), QColor(0, 255, 255));
  EXPECT_EQ(colors.color(ccNumberButtons), QColor(128, 0, 0));
  colors.setColorScheme(csCustom);  // keeps the colours
  EXPECT_EQ(colors.color(ccDisplay), QColor(0, 0, 0));
  colors.setColorScheme(csOcean);
  EXPECT_EQ(colors.color(ccEditButtons), QColor(128, 0, 128));
  colors.setColor(ccEditButtons, QColor(1, 2, 3));
  EXPECT_EQ(colors.ColorScheme(), csCustom);
  EXPECT_EQ(changes, 4);

  TEsCalcColors plain;
  plain.setColorScheme(csPlain);
  colors.Assign(plain);
  EXPECT_EQ(colors.ColorScheme(), csPlain);
  EXPECT_EQ(colors.color(ccDisplayText), QColor(0, 0, 128));
  EXPECT_EQ(changes, 5);
}

TEST(EsCalculator, AppliesColoursToTheDisplay) {
  TEsCalculator calc;
  calc.Colors().setColorScheme(csDark);
  EXPECT_EQ(calc.DisplayPanel()->palette().color(QPalette::Window), QColor(0, 0, 0));
  EXPECT_EQ(calc.DisplayPanel()->palette().color(QPalette::WindowText), QColor(0, 255, 255));
  EXPECT_EQ(calc.CaptionColor(cbDivide), QColor(0, 0, 255));
  EXPECT_EQ(calc.CaptionColor(cbDigit0), QColor(128, 0, 0));
  EXPECT_EQ(calc.CaptionColor(cbSqrt), QColor(0, 128, 128));
  EXPECT_EQ(calc.CaptionColor(cbBack), QColor(0, 0, 0));
}

TEST(EsCalculator, DecimalKeyFollowsTheLocale) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  TEsCalculator calc;
  EXPECT_EQ(calc.Caption(cbDecimal), ",");
  calc.SetText("1,5+1.25=");
  EXPECT_EQ(calc.Text(), "2,75 ");
  QLocale::setDefault(QLocale::c());
}

}  // namespace
}  // namespace meridex
