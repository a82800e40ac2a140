#include "calculator/calc_form.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "calculator/es_calculator.h"
#include "convert/convert_form.h"
#include "support/menu_commands.h"
#include "support/test_context.h"

namespace meridex {
namespace {

using test::TestContext;

// Both windows wired as the application wires them.
class CalcLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    convert.setCalculator(&calc);
    QObject::connect(&calc, &TCalc::resultForField, &convert, &TConvertForm::setFieldText);
    convert.show();
    convert.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&convert));
  }

  // Enters a conversion field, types a value and copies it to the calculator,
  // which comes up activated.
  void copyFromField(int index, const QString& text) {
    convert.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&convert));
    convert.PageControl1->setCurrentIndex(static_cast<int>(UnitOfField(index).category) - 1);
    convert.field(index)->setFocus(Qt::MouseFocusReason);
    convert.field(index)->setText(text);
    convert.CopyToCalculator1->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&calc));
  }

  void keys(const QString& typed) { QTest::keyClicks(calc.EsCalculator1, typed); }

  TestContext t;
  CalcLink link;
  TCalc calc{t.ctx, link};
  TConvertForm convert{t.ctx, link};
};

TEST_F(CalcLinkTest, CelsiusValueComesBackDoubled) {
  copyFromField(2, "37");
  EXPECT_EQ(convert.field(2)->text(), "37.00");
  EXPECT_EQ(calc.EsCalculator1->Text(), "37 ");
  EXPECT_EQ(calc.Curfield->text(), "Celsius");
  EXPECT_TRUE(calc.Curfield->isVisible());
  EXPECT_TRUE(calc.BitBtn2->isVisible());
  EXPECT_FALSE(calc.menuBar()->isVisible());
  // 292 is the window's height with its frame (the test platform gives
  // every window a small one).
  ASSERT_GT(calc.frameGeometry().height(), calc.height());
  EXPECT_EQ(calc.frameGeometry().height(), 292);

  keys("*2");
  QTest::mouseClick(calc.BitBtn2, Qt::LeftButton);
  EXPECT_EQ(convert.field(2)->text(), "74");
  EXPECT_FALSE(calc.isVisible());
  EXPECT_EQ(t.shell.calls, std::vector<std::string>{"Closing"});
}

TEST_F(CalcLinkTest, NegativeAndExponentValuesArriveIntact) {
  copyFromField(1, "-40");
  EXPECT_EQ(calc.EsCalculator1->Text(), "-40 ");
  calc.BitBtn2Click();
  EXPECT_EQ(convert.field(1)->text(), "-40");

  copyFromField(32, "1E15");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "1E15");
  EXPECT_EQ(calc.EsCalculator1->Text(), "1E15 ");
  EXPECT_EQ(calc.Curfield->text(), "Kilometer");
  keys("+1");
  calc.BitBtn2Click();
  EXPECT_EQ(convert.field(32)->text(), "1E15");  // 15 significant digits

  copyFromField(32, "1234.5");
  EXPECT_EQ(calc.EsCalculator1->engine().Accumulator(), 1234.5L);
  calc.BitBtn2Click();
  EXPECT_EQ(convert.field(32)->text(), "1234.5");
}

TEST_F(CalcLinkTest, ClipboardTextThatIsNotANumberIsTyped) {
  link.CalcLinkFlag = 1;
  QGuiApplication::clipboard()->setText("3+4 apples");
  calc.FormActivate();
  EXPECT_EQ(calc.EsCalculator1->Text(), "7 ");
  QGuiApplication::clipboard()->setText("apples");
  calc.FormActivate();
  EXPECT_EQ(calc.EsCalculator1->Text(), "0 ");
  QGuiApplication::clipboard()->clear();
  keys("5+1");
  calc.FormActivate();  // an empty clipboard leaves the calculation
  EXPECT_EQ(calc.EsCalculator1->Text(), "6 ");
}

TEST_F(CalcLinkTest, PlainModeKeepsTheCalculation) {
  copyFromField(2, "21");
  keys("*2=");
  link.CalcLinkFlag = 0;  // a View menu "Calculator" command
  calc.FormActivate();
  EXPECT_EQ(calc.frameGeometry().height(), 250);
  EXPECT_TRUE(calc.menuBar()->isVisibleTo(&calc));
  EXPECT_FALSE(calc.BitBtn2->isVisibleTo(&calc));
  EXPECT_FALSE(calc.Bevel1->isVisibleTo(&calc));
  EXPECT_FALSE(calc.Curfield->isVisibleTo(&calc));
  EXPECT_TRUE(calc.Calculator1->isChecked());
  EXPECT_FALSE(calc.Calculator1->isEnabled());
  EXPECT_EQ(calc.EsCalculator1->Text(), "42 ");
}

TEST_F(CalcLinkTest, UpdateInTheErrorStateWritesTheAccumulatorBeforeTheError) {
  copyFromField(2, "7");
  keys("/0=");
  EXPECT_EQ(calc.EsCalculator1->Text(), "****** ");
  calc.BitBtn2Click();
  EXPECT_EQ(convert.field(2)->text(), "7");
}

TEST_F(CalcLinkTest, NothingIsWrittenWithoutASelectedField) {
  link.CalcLinkFlag = 1;
  QGuiApplication::clipboard()->setText("5");
  calc.FormActivate();
  calc.BitBtn2Click();
  for (int i = 1; i <= kFieldCount; ++i) EXPECT_EQ(convert.field(i)->text(), "") << i;
}

TEST(CalcForm, MemoryLabelFollowsEveryPress) {
  TestContext t;
  CalcLink link;
  TCalc calc(t.ctx, link);
  EXPECT_EQ(calc.windowTitle(), "Calculator");
  EXPECT_EQ(calc.EsCalculator1->geometry(), QRect(8, 16, 209, 161));
  EXPECT_EQ(calc.EsCalculator1->CaptionColor(cbAdd), QColor(128, 0, 0));
  EXPECT_EQ(calc.Label1->text(), "Contents of Memory :");
  EXPECT_EQ(calc.MemLabel->text(), "");
  calc.EsCalculator1->PressButton(cbDigit0 + 3);
  EXPECT_EQ(calc.MemLabel->text(), "0");
  calc.EsCalculator1->SetText("2.5");
  calc.EsCalculator1->PressButton(cbMemoryStore);
  EXPECT_EQ(calc.MemLabel->text(), "2.5");
  calc.EsCalculator1->PressButton(cbMemoryAdd);
  EXPECT_EQ(calc.MemLabel->text(), "5");
}

TEST(CalcForm, UpdateHandsTheResultOverForTheSelectedFieldAndCloses) {
  TestContext t;
  CalcLink link;
  TCalc calc(t.ctx, link);
  QSignalSpy results(&calc, &TCalc::resultForField);
  link.CalcLinkFlag = 1;
  link.SelectedField = 27;
  QGuiApplication::clipboard()->setText("1.5");
  calc.show();
  calc.FormActivate();
  QTest::keyClicks(calc.EsCalculator1, "*3");
  calc.BitBtn2Click();
  ASSERT_EQ(results.count(), 1);
  EXPECT_EQ(results[0][0].toInt(), 27);
  EXPECT_EQ(results[0][1].toString(), "4.5");
  EXPECT_FALSE(calc.isVisible());
  EXPECT_EQ(t.shell.calls, std::vector<std::string>{"Closing"});
}

TEST(CalcForm, MenusGoThroughTheShell) {
  TestContext t;
  CalcLink link;
  TCalc calc(t.ctx, link);
  calc.FormActivate();
  std::vector<QString> captions;
  for (QAction* action : calc.view1->actions()) {
    if (action->isSeparator()) continue;
    captions.push_back(action->text());
    action->trigger();
  }
  EXPECT_EQ(captions, (std::vector<QString>{"All Cities List", "Hot List", "Unit Conversions",
                                            "World Map View", "Calculator", "Options"}));
  for (QAction* action : calc.Help1->actions()) action->trigger();
  EXPECT_EQ(t.shell.calls, (std::vector<std::string>{"AllCitiesList", "HotList", "UnitConversions",
                                                     "WorldView", "Options", "Help ", "About"}));
  EXPECT_EQ(calc.Help1->actions().front()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
}

TEST(CalcForm, ACommandThatFailsInsideIsReportedByName) {
  TestContext t;
  CalcLink link;
  TCalc calc(t.ctx, link);
  calc.FormActivate();
  EXPECT_EQ(test::TriggerEveryMenuCommandWhileTheShellFails(calc, t),
            (std::vector<std::string>{"All Cities List", "Hot List", "Unit Conversions",
                                      "World Map View", "Options", "Index", "About"}));
  t.shell.failing = true;
  t.dialogs.clear();
  calc.show();
  calc.BitBtn2->click();  // "Update" closes the window through the failing close rules
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0].text,
            "Could not complete the closing of the calculator: an internal error occurred.");
}

// Under a locale that groups with "." the copied value keeps its meaning.
class GermanCalcLink : public CalcLinkTest {
 protected:
  static void SetUpTestSuite() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
  static void TearDownTestSuite() { QLocale::setDefault(QLocale::c()); }
};

TEST_F(GermanCalcLink, GroupedValueArrivesWhole) {
  convert.FormActivate();
  copyFromField(32, "1234,5");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "1.234,5000000000");
  EXPECT_EQ(calc.EsCalculator1->Text(), "1234,5 ");
  keys("*2");
  calc.BitBtn2Click();
  EXPECT_EQ(convert.field(32)->text(), "2469");
}

}  // namespace
}  // namespace meridex
