#include "convert/convert_form.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "convert/unit_help.h"
#include "support/menu_commands.h"
#include "support/test_context.h"
#include "widgets/es_label.h"

namespace meridex {
namespace {

using test::TestContext;

QAction* FindAction(QMainWindow& window, const QString& text) {
  for (QAction* menu : window.menuBar()->actions()) {
    if (menu->text() == text) return menu;
    if (!menu->menu()) continue;
    for (QAction* action : menu->menu()->actions()) {
      if (action->text() == text) return action;
    }
  }
  return nullptr;
}

bool IsYellow(const QLineEdit* edit) { return edit->palette().color(QPalette::Base) == Qt::yellow; }

// The indices of the fields painted yellow.
std::vector<int> YellowFields(const TConvertForm& form) {
  std::vector<int> yellow;
  for (int i = 1; i <= kFieldCount; ++i) {
    if (IsYellow(form.field(i))) yellow.push_back(i);
  }
  return yellow;
}

class ConvertFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }

  // Gives a field the focus the way a click does, on its own tab.
  void enter(int index) {
    form.PageControl1->setCurrentIndex(static_cast<int>(UnitOfField(index).category) - 1);
    form.field(index)->setFocus(Qt::MouseFocusReason);
  }

  TestContext t;
  CalcLink link;
  TConvertForm form{t.ctx, link};
};

TEST(ConvertFormLayout, ShowsTheTabsFieldsAndSizes) {
  TestContext t;
  CalcLink link;
  TConvertForm form(t.ctx, link);
  EXPECT_EQ(form.windowTitle(), "Unit Conversion");
  EXPECT_EQ(form.size(), QSize(442, 355));
  ASSERT_EQ(form.PageControl1->count(), 5);
  const QStringList tabs{"Temperature ", "Weight ", "Volume ", " Area", "Linear Distance"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(form.PageControl1->tabText(i), tabs[i]);
  EXPECT_EQ(form.PageControl1->currentIndex(), 0);
  EXPECT_EQ(form.field(1)->objectName(), "editfah");
  EXPECT_EQ(form.field(46)->objectName(), "Editou2");
  EXPECT_EQ(form.field(0), nullptr);
  EXPECT_EQ(form.field(47), nullptr);
  for (int i = 1; i <= kFieldCount; ++i) {
    // Every field sits on the tab of its category.
    const int tab = static_cast<int>(UnitOfField(i).category) - 1;
    EXPECT_TRUE(form.Pages[static_cast<std::size_t>(tab)].sheet->isAncestorOf(form.field(i))) << i;
    EXPECT_EQ(form.field(i)->palette().color(QPalette::Base), Qt::white);
  }
  for (const ConvertPage& page : form.Pages) {
    EXPECT_EQ(page.convertButton->text(), "Convert");
    EXPECT_EQ(page.convertButton->toolTip(), "Converts input ");
    EXPECT_EQ(page.convertButton->focusPolicy(), Qt::NoFocus);
  }
  EXPECT_EQ(form.Pages[4].caption->text(), "Linear Distance");
  EXPECT_EQ(form.BitBtn11->text(), "Clear");
  EXPECT_EQ(form.SpeedButton2->text(), "Help ");
  EXPECT_EQ(form.SpeedButton2->toolTip(), "Unit Conversion Help");
  EXPECT_EQ(form.CopyToCalculator1->shortcut(), QKeySequence(Qt::Key_F1));
  EXPECT_EQ(form.CopyToCalculator1->toolTip(), "Move number to the Calculator");
  EXPECT_EQ(form.ClearAll1->shortcut(), QKeySequence(Qt::Key_F8));
  EXPECT_TRUE(form.UnitConversions1->isChecked());
  EXPECT_FALSE(form.UnitConversions1->isEnabled());
  ASSERT_NE(FindAction(form, "&Index"), nullptr);
  EXPECT_EQ(FindAction(form, "&Index")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));

  t.ppi = 120;
  TConvertForm large(t.ctx, link);
  EXPECT_EQ(large.size(), QSize(539, 423));
}

TEST_F(ConvertFormTest, KeepsExactlyTheFocusedFieldYellow) {
  EXPECT_TRUE(YellowFields(form).empty());
  enter(2);
  EXPECT_EQ(YellowFields(form), std::vector<int>{2});
  EXPECT_EQ(link.SelectedField, 2);
  EXPECT_EQ(link.SelectedUnitName, "Celsius");
  enter(3);
  EXPECT_EQ(YellowFields(form), std::vector<int>{3});

  // Clicking "Convert" does not take the focus; the highlight stays.
  form.field(3)->setText("300");
  QTest::mouseClick(form.Pages[0].convertButton, Qt::LeftButton);
  EXPECT_EQ(form.field(2)->text(), "26.84");

  EXPECT_EQ(YellowFields(form), std::vector<int>{3});

  // Changing tab by clicking it takes the focus off the field.
  QTabBar* tabs = form.PageControl1->tabBar();
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
  EXPECT_EQ(form.PageControl1->currentIndex(), 2);
  EXPECT_TRUE(YellowFields(form).empty());
  EXPECT_EQ(link.SelectedField, 3);
}

TEST_F(ConvertFormTest, EnteringAPairFieldHighlightsItAndZeroesItsPartner) {
  enter(46);
  EXPECT_EQ(YellowFields(form), std::vector<int>{46});
  EXPECT_EQ(form.field(45)->text(), "0");
  EXPECT_EQ(link.SelectedUnitName, "(Ounce) / Pound");
  form.field(33)->setText("4");
  enter(34);
  EXPECT_EQ(form.field(33)->text(), "4");
  EXPECT_EQ(form.field(34)->text(), "");
  enter(33);
  EXPECT_EQ(form.field(34)->text(), "0");
}

TEST_F(ConvertFormTest, ClearEmptiesTheCategoryWhoseSheetWasLastEntered) {
  for (int i = 1; i <= kFieldCount; ++i) form.field(i)->setText("1");
  form.BitBtn11Click();  // nothing entered yet
  EXPECT_EQ(form.currentCategory(), 0);
  EXPECT_EQ(form.field(1)->text(), "1");

  // The Volume tab counts only from its "English" group.
  enter(20);  // Milliliter
  EXPECT_EQ(form.currentCategory(), 0);
  form.BitBtn11Click();
  EXPECT_EQ(form.field(20)->text(), "1");
  enter(13);  // Tablespoon
  EXPECT_EQ(form.currentCategory(), 3);
  enter(20);
  EXPECT_EQ(form.currentCategory(), 3);
  form.BitBtn11Click();
  for (int i = 12; i <= 23; ++i) EXPECT_EQ(form.field(i)->text(), "") << i;
  EXPECT_EQ(form.field(11)->text(), "1");

  enter(9);  // Gram
  EXPECT_EQ(form.currentCategory(), 2);
  form.ClearAll1->trigger();
  for (int i : {4, 5, 6, 7, 8, 9, 10, 11, 45, 46}) EXPECT_EQ(form.field(i)->text(), "") << i;
  EXPECT_EQ(form.field(24)->text(), "1");
  // Clearing keeps the source: converting now reads the empty field.
  EXPECT_EQ(form.engine().SourceUnit(Category::ctWeight), 6);
  form.ConvertClick(Category::ctWeight);
  EXPECT_EQ(t.dialogs.lastText(), "'' is not a valid floating point value");
}

TEST_F(ConvertFormTest, EnterConvertsTheVisibleTab) {
  enter(1);
  QTest::keyClicks(form.field(1), "212");
  QTest::keyClick(form.field(1), Qt::Key_Return);
  EXPECT_EQ(form.field(1)->text(), "212.00");
  EXPECT_EQ(form.field(2)->text(), "100.00");
  EXPECT_EQ(form.field(3)->text(), "373.16");
  EXPECT_EQ(YellowFields(form), std::vector<int>{1});
  EXPECT_TRUE(t.dialogs.shown.empty());

  enter(27);  // Mile
  QTest::keyClicks(form.field(27), "1");
  QTest::keyClick(form.field(27), Qt::Key_Enter);
  EXPECT_EQ(form.field(31)->text(), "1,609.34400");
  EXPECT_EQ(form.field(32)->text(), "1.60934");
}

TEST_F(ConvertFormTest, ReportsMessagesThroughTheDialogs) {
  form.ConvertClick(Category::ctTemperature);
  form.ConvertClick(Category::ctArea);
  ASSERT_EQ(t.dialogs.shown.size(), 2u);
  EXPECT_EQ(t.dialogs.shown[0].kind, DialogKind::Error);
  EXPECT_EQ(t.dialogs.shown[0].text, "Nothing to calculate !");
  EXPECT_EQ(t.dialogs.shown[1].kind, DialogKind::Plain);
  EXPECT_EQ(t.dialogs.shown[1].text, "Nothing to calculate");

  enter(9);
  form.field(9)->setText("1,2x");
  form.field(10)->setText("old");
  form.ConvertClick(Category::ctWeight);
  EXPECT_EQ(t.dialogs.shown.back().kind, DialogKind::Error);
  EXPECT_EQ(t.dialogs.lastText(), "'12x' is not a valid floating point value");
  EXPECT_EQ(form.field(9)->text(), "12x");
  EXPECT_EQ(form.field(10)->text(), "old");

  form.field(9)->setText("1E38");
  form.ConvertClick(Category::ctWeight);
  EXPECT_EQ(t.dialogs.lastText(), "Floating point overflow");
  EXPECT_EQ(form.field(6)->text(), "1.102E+32");
  EXPECT_EQ(form.field(10)->text(), "old");
}

TEST_F(ConvertFormTest, CopyToCalculatorRewritesTheFieldAndShowsTheCalculator) {
  QWidget calculator;
  form.setCalculator(&calculator);
  enter(1);
  form.field(1)->setText("98.6");
  form.CopyToCalculator1->trigger();
  EXPECT_EQ(link.CalcLinkFlag, 1);
  EXPECT_EQ(form.field(1)->text(), "98.60");
  EXPECT_EQ(form.field(1)->selectedText(), "98.60");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "98.60");
  EXPECT_TRUE(calculator.isVisible());

  calculator.hide();
  link.CalcLinkFlag = 0;
  enter(32);
  form.field(32)->setText("12,34.5x");
  form.Calculator1Click();
  EXPECT_EQ(link.CalcLinkFlag, 1);
  EXPECT_EQ(t.dialogs.lastText(), "'1234.5x' is not a valid floating point value");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "98.60");
  EXPECT_FALSE(calculator.isVisible());

  form.field(32)->setText("1234.5");
  form.Calculator1Click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "1,234.5000000000");
  EXPECT_TRUE(calculator.isVisible());
}

TEST_F(ConvertFormTest, MenusAndButtonsGoThroughTheShell) {
  TUnitHelp help(t.ctx);
  form.setUnitHelp(&help);
  link.CalcLinkFlag = 1;
  for (const char* text : {"All Cities List", "Hot List", "World Map View", "Calculator", "Options",
                           "&Index", "About", "Exit Program"}) {
    ASSERT_NE(FindAction(form, text), nullptr) << text;
    FindAction(form, text)->trigger();
  }
  EXPECT_EQ(t.shell.calls,
            (std::vector<std::string>{"AllCitiesList", "HotList", "WorldView", "Calculator",
                                      "Options", "Help ", "About", "Terminate"}));
  EXPECT_EQ(link.CalcLinkFlag, 0);

  QTest::mouseClick(form.SpeedButton2, Qt::LeftButton);
  EXPECT_TRUE(help.isVisible());
  QTest::mouseClick(help.OKBtn, Qt::LeftButton);
  EXPECT_FALSE(help.isVisible());

  t.shell.calls.clear();
  QTest::mouseClick(form.SpeedButton1, Qt::LeftButton);
  form.close();
  EXPECT_EQ(t.shell.calls, (std::vector<std::string>{"About", "Closing"}));
  EXPECT_FALSE(form.isVisible());
}

TEST_F(ConvertFormTest, ACommandThatFailsInsideIsReportedByName) {
  EXPECT_EQ(
      test::TriggerEveryMenuCommandWhileTheShellFails(form, t),
      (std::vector<std::string>{"Exit Program", "All Cities List", "Hot List", "World Map View",
                                "Calculator", "Options", "Index", "About"}));
  t.shell.failing = true;
  t.dialogs.clear();
  QTest::mouseClick(form.SpeedButton1, Qt::LeftButton);
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0].text, "Could not complete \"About\": an internal error occurred.");
}

TEST(UnitHelp, ShowsTheStepsInOrder) {
  TestContext t;
  TUnitHelp help(t.ctx);
  EXPECT_EQ(help.windowTitle(), "Unit Conversion Help");
  EXPECT_EQ(help.size(), QSize(393, 257));
  ASSERT_EQ(help.Lines.size(), 8);
  EXPECT_EQ(help.Lines[0]->text(), "To use the \"Unit Conversion\" feature follow these steps");
  EXPECT_TRUE(help.Lines[0]->font().bold());
  EXPECT_TRUE(help.Lines[0]->font().underline());
  EXPECT_EQ(help.Lines[0]->palette().color(QPalette::WindowText), Qt::blue);
  EXPECT_EQ(help.Lines[1]->text(),
            "1. Select the appropiate tab for unit type you wish to convert (i.e. Temperature).");
  EXPECT_EQ(help.Lines[7]->text(),
            "the \"Copy to Calculator\" menu selection under \"Edit\" in the main menu.");
  EXPECT_FALSE(help.isModal());
}

TEST(UnitHelp, IsWhiteAsShownEvenUnderADarkDesktopPalette) {
  const QPalette desktop = QApplication::palette();
  QPalette dark = desktop;
  dark.setColor(QPalette::Window, QColor(40, 40, 40));
  QApplication::setPalette(dark);
  TestContext t;
  TUnitHelp help(t.ctx);
  help.show();
  const QImage shown = help.grab().toImage();
  QApplication::setPalette(desktop);
  // The margin, the room between the lines and the room under the last one.
  for (const QPoint at : {QPoint(3, 3), QPoint(help.width() - 4, help.height() / 2),
                          QPoint(help.width() / 2, help.Lines[7]->geometry().bottom() + 8)}) {
    EXPECT_EQ(shown.pixelColor(at), QColor(Qt::white)) << at.x() << "," << at.y();
  }
}

// Separators follow the default locale, read when the window is activated.
class GermanLocale : public ConvertFormTest {
 protected:
  static void SetUpTestSuite() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
  static void TearDownTestSuite() { QLocale::setDefault(QLocale::c()); }
};

TEST_F(GermanLocale, ReadsAndWritesWithTheLocaleSeparators) {
  form.FormActivate();
  enter(2);
  form.field(2)->setText("37,5");
  form.ConvertClick(Category::ctTemperature);
  EXPECT_EQ(form.field(1)->text(), "99,50");
  EXPECT_EQ(form.field(3)->text(), "310,66");

  enter(27);
  form.field(27)->setText("1.000");
  form.ConvertClick(Category::ctLinear);
  EXPECT_EQ(form.field(27)->text(), "1.000,00000");
  EXPECT_EQ(form.field(32)->text(), "1.609,34400");

  enter(32);
  form.field(32)->setText("1.234,5");
  form.Calculator1Click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "1.234,5000000000");
}

TEST_F(ConvertFormTest, TheTabCaptionsAndThePublisherAreDrawnInRelief) {
  for (const ConvertPage& page : form.Pages) {
    const auto* caption = qobject_cast<const TEsLabel*>(page.caption);
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->Appearance(), TEsAppearance::apRaised);
    EXPECT_EQ(caption->FontColor(), QColor(Qt::blue));
    EXPECT_EQ(caption->Alignment(), TEsAlignment::taCenter);
    // Letters and copies fit the caption.
    EXPECT_LE(caption->sizeHint().width(), caption->width()) << caption->text().toStdString();
    EXPECT_LE(caption->sizeHint().height(), caption->height()) << caption->text().toStdString();
  }
  const auto* publisher = form.findChild<TEsLabel*>("Publisher");
  ASSERT_NE(publisher, nullptr);
  EXPECT_EQ(publisher->Appearance(), TEsAppearance::apSunken);
  EXPECT_FALSE(publisher->text().isEmpty());
}
}  // namespace
}  // namespace meridex
