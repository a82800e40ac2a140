#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "app/about_box.h"
#include "support/test_context.h"

namespace meridex {
namespace {

constexpr const char* kHomePage = "file:///usr/share/doc/meridex/index.html";

// Every text the box shows, caption by caption.
std::vector<std::string> Texts(const TAboutBox& about) {
  std::vector<std::string> texts;
  for (const QLabel* label : about.findChildren<QLabel*>()) {
    texts.push_back(label->text().toStdString());
  }
  return texts;
}

TEST(AboutBox, NamesTheVersionMakerHomePageLicenceAndEveryDataSource) {
  test::TestContext t;
  TAboutBox about(t.ctx, kHomePage);
  const std::vector<std::string> texts = Texts(about);
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Version 1.22"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Meridex"), texts.end());
  const std::string text = about.Description->text().toStdString();
  for (const char* part : {"the Meridex team", "issue tracker", "/usr/share/doc/meridex/index.html",
                           "GNU General Public License, version 3 or later", "Natural Earth",
                           "GeoNames", "SimpleMaps", "CC BY 4.0", "IANA time zone database"}) {
    EXPECT_NE(text.find(part), std::string::npos) << part << " missing from: " << text;
  }
  for (const std::string& shown : texts) {
    EXPECT_EQ(shown.find("example"), std::string::npos) << "an invented address: " << shown;
  }
  EXPECT_EQ(about.windowTitle().toStdString(), "About Meridex");
}

TEST(AboutBox, TheButtonAndTheLinkOpenTheHomePageThroughTheShell) {
  test::TestContext t;
  TAboutBox about(t.ctx, kHomePage);
  QTest::mouseClick(about.WebButton, Qt::LeftButton);
  emit about.Description->linkActivated(kHomePage);
  EXPECT_EQ(t.shell.calls, (std::vector<std::string>{std::string("WebPage ") + kHomePage,
                                                     std::string("WebPage ") + kHomePage}));
  EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST(AboutBox, SaysSoWhenNoProgramCanShowTheHomePage) {
  test::TestContext t;
  t.shell.webPagesOpen = false;
  TAboutBox about(t.ctx, kHomePage);
  QTest::mouseClick(about.WebButton, Qt::LeftButton);
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0].kind, DialogKind::Warning);
  EXPECT_EQ(t.dialogs.shown[0].text, std::string("Meridex cannot open its home page \"") +
                                         kHomePage + "\": no program to show web pages is set up.");
}

TEST(AboutBox, WithoutAnInstalledHomePageTheButtonIsDisabled) {
  test::TestContext t;
  TAboutBox about(t.ctx, "");
  EXPECT_FALSE(about.WebButton->isEnabled());
  EXPECT_NE(about.Description->text().indexOf("The home page is not installed."), -1);
  QTest::mouseClick(about.WebButton, Qt::LeftButton);
  EXPECT_TRUE(t.shell.calls.empty());
}

}  // namespace
}  // namespace meridex
