// The city list's two files under failing saves, damaged inputs and more own
// locations than the table holds: the table, the shown rows and the files
// stay one to one, nothing of the user's is dropped, and a failing save is
// told once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "common/text.h"
#include "worldtime/city_list_fixture.h"

namespace meridex {
namespace {

using test::CustomCity;
using test::CustomFile;
using test::DatabaseCity;
using test::FlagsFile;

// Rows: 0 Berlin, 1 Cabin (own), 2 Honolulu, 3 London, 4 New York, 5 Tokyo.
class CityListSaving : public test::CityListFixture {
 protected:
  // Writing `name` fails from now on (a folder has taken its place, which
  // fails even for a user whom permissions do not stop), until unblock.
  void block(const std::string& name) {
    std::filesystem::remove(t.dir / name);
    std::filesystem::create_directories(t.dir / name / "taken");
  }
  void unblock(const std::string& name) { std::filesystem::remove_all(t.dir / name); }

  void deactivate() {
    QEvent event(QEvent::WindowDeactivate);
    QApplication::sendEvent(form.get(), &event);
  }
  void addLocation(const std::string& name, int sourceRow) {
    form->AddLocation1Click();
    form->NCName->setText(QString::fromStdString(name));
    form->NCNameKeyPress();
    form->Button1Click();
    form->CityCheckBox->setCurrentRow(sourceRow);
    form->CityCheckBoxClick();
    form->NCOKBtn->click();
  }
  void deleteRow(int row) {
    form->CityCheckBox->setCurrentRow(row);
    form->DeleteLocation1->trigger();
  }
  int errors() const {
    int n = 0;
    for (const auto& d : t.dialogs.shown) n += d.kind == DialogKind::Error;
    return n;
  }
  std::vector<std::string> tableNames() const {
    std::vector<std::string> names;
    for (int i = 0; i < table.Count; ++i) names.push_back(TrimRight(table.Entries[i].Name));
    return names;
  }
  std::vector<std::string> rowNames() const {
    std::vector<std::string> names;
    for (const std::string& row : Rows(form->CityCheckBox))
      names.push_back(TrimRight(row.substr(row.find_first_not_of(' ', 13))));
    return names;
  }
};

TEST_F(CityListSaving, AFailedAddKeepsTableRowsAndFilesInStepAndIsSavedLater) {
  open("a", "100001");
  block(kHotListFile);
  // Every box takes the focus from the list, which saves as it loses it.
  t.dialogs.whileShown = [this](const test::RecordingDialogs::Shown&) { deactivate(); };
  addLocation("ski hut", 0);
  // Told once what could not be saved, then that the location was added.
  ASSERT_EQ(errors(), 1);
  ASSERT_EQ(t.dialogs.shown.size(), 2u);
  EXPECT_EQ(t.dialogs.shown[0].text.rfind("Cannot write \"chklst.dat\": ", 0), 0u)
      << t.dialogs.shown[0].text;
  EXPECT_NE(t.dialogs.shown[0].text.find("not saved yet"), std::string::npos);
  EXPECT_EQ(t.dialogs.lastText(), "Ski Hut was added to your Custom List");
  // The rows follow the table at once, so a row's command acts on its entry.
  EXPECT_EQ(rowNames(), tableNames());
  EXPECT_EQ(tableNames(), (std::vector<std::string>{"Berlin", "Cabin", "Honolulu", "London",
                                                    "New York", "Ski Hut", "Tokyo"}));
  // Neither file changed: the custom list is not written without its flags.
  EXPECT_EQ(t.dir.read(kCustomListFile), CustomFile({CustomCity("Cabin", 19)}));

  // Moving between windows tries again, quietly while it still fails.
  deactivate();
  deactivate();
  EXPECT_EQ(errors(), 1);

  unblock(kHotListFile);
  form->close();
  EXPECT_EQ(t.dir.read(kCustomListFile),
            CustomFile({CustomCity("Cabin", 19), CustomCity("Ski Hut", 1)}));
  EXPECT_EQ(t.dir.read(kHotListFile), FlagsFile("1000011"));
}

TEST_F(CityListSaving, DeleteAfterAFailedAddRemovesTheHighlightedLocation) {
  open("a", "100001");
  block(kCustomListFile);
  addLocation("ski hut", 0);
  deleteRow(1);  // Cabin
  EXPECT_EQ(t.dialogs.lastText(), "Cabin has been deleted from your records");
  EXPECT_EQ(tableNames(), (std::vector<std::string>{"Berlin", "Honolulu", "London", "New York",
                                                    "Ski Hut", "Tokyo"}));
  EXPECT_EQ(rowNames(), tableNames());
  unblock(kCustomListFile);
  form->saveCheckStates();
  EXPECT_EQ(t.dir.read(kCustomListFile), CustomFile({CustomCity("Ski Hut", 1)}));
  EXPECT_EQ(t.dir.read(kHotListFile), FlagsFile("100011"));
}

TEST_F(CityListSaving, AFailingSaveIsToldOnceUntilItSucceedsAgain) {
  open("a", "100001");
  block(kHotListFile);
  for (int i = 0; i < 5; ++i) deactivate();
  ASSERT_EQ(errors(), 1);
  EXPECT_EQ(t.dialogs.shown[0].text.rfind("Cannot write \"chklst.dat\"", 0), 0u);
  // The user's own "Save Hot List" always answers.
  form->Save1->trigger();
  EXPECT_EQ(errors(), 2);
  unblock(kHotListFile);
  tick(2);
  deactivate();
  EXPECT_EQ(errors(), 2);
  EXPECT_EQ(t.dir.read(kHotListFile), FlagsFile("101001"));
  // After a success the next failure is told again.
  block(kHotListFile);
  deactivate();
  deactivate();
  EXPECT_EQ(errors(), 3);
}

TEST_F(CityListSaving, OwnLocationsBeyondTheTableStayInTheirFile) {
  std::vector<CityEntry> db;
  for (int i = 0; i < 597; ++i) db.push_back(DatabaseCity("City " + std::to_string(1000 + i)));
  // 597 + 2 fit; "Yurt" and "Zed Hut" do not.
  writeFiles(
      "a", std::string(599, '0'), db,
      {CustomCity("Base Camp"), CustomCity("Mine"), CustomCity("Yurt"), CustomCity("Zed Hut")});
  create();
  ASSERT_EQ(table.Count, 599);
  EXPECT_NE(t.dialogs.lastText().find("\"Yurt\""), std::string::npos) << t.dialogs.lastText();

  deleteRow(0);  // Base Camp, own
  EXPECT_EQ(t.dir.read(kCustomListFile),
            CustomFile({CustomCity("Mine"), CustomCity("Yurt"), CustomCity("Zed Hut")}));
  addLocation("aaa", 5);
  EXPECT_EQ(t.dir.read(kCustomListFile), CustomFile({CustomCity("Aaa"), CustomCity("Mine"),
                                                     CustomCity("Yurt"), CustomCity("Zed Hut")}));
  // One sorting after those left out joins the file in its place.
  deleteRow(0);
  addLocation("zz top", 5);
  EXPECT_EQ(t.dir.read(kCustomListFile), CustomFile({CustomCity("Mine"), CustomCity("Yurt"),
                                                     CustomCity("Zed Hut"), CustomCity("Zz Top")}));
  EXPECT_EQ(errors(), 0) << t.dialogs.lastText();
}

TEST_F(CityListSaving, AnEmptyOrDamagedDatabaseNeverCostsTheHotList) {
  // An empty database: the table holds only the own location; the flags of
  // the locations that did not load are written back as they were read.
  writeFiles("a", "10001", {}, {CustomCity("Cabin")});
  create();
  form->close();
  EXPECT_EQ(t.dir.read(kHotListFile), FlagsFile("10001"));

  // A damaged one: the load stops, and neither file is written, nor can own
  // locations change.
  writeFiles("a", "10001", FiveCities(), {CustomCity("Cabin")});
  Bytes db = t.dir.read(kCityDatabaseFile);
  db.resize(db.size() - 50);
  t.dir.write(kCityDatabaseFile, db);
  create();
  form->Timer1Timer();  // the rows of what did load
  t.dialogs.clear();
  form->CityCheckBox->setCurrentRow(0);
  form->AddLocation1Click();
  form->NCName->setText("Hut");
  form->Button1Click();
  form->NCOKBtn->click();
  EXPECT_NE(t.dialogs.lastText().find("did not load"), std::string::npos) << t.dialogs.lastText();
  form->close();
  form->ExitProgram1Click();
  EXPECT_EQ(t.dir.read(kHotListFile), FlagsFile("10001"));
  EXPECT_EQ(t.dir.read(kCustomListFile), CustomFile({CustomCity("Cabin")}));
}

TEST_F(CityListSaving, ABrokenRuleIsToldOnceNamingItsLocationAndTheClockGoesOn) {
  // Tokyo's rule starts on 31 November, a day that does not exist: it fails
  // in November only.
  std::vector<CityEntry> db = FiveCities();
  db[4].Rule = DaylightSavingRule{2, 1, 3, 1, 2, 0, 11, 31};
  writeFiles("a", "100001", db);
  t.clock.set(test::Utc(2026, 11, 20, 2, 0));
  create();
  ASSERT_EQ(errors(), 1);
  EXPECT_EQ(t.dialogs.shown[0].text,
            "Cannot compute the time of \"Tokyo\" (from \"kydafe.dat\"). The daylight-saving rule "
            "names a day that does not exist: 2026-11-31");
  for (int minute = 1; minute <= 3; ++minute) {
    t.clock.advance(std::chrono::minutes{1});
    form->Timer1Timer();
  }
  EXPECT_EQ(errors(), 1);
  // The other rows still move with the clock.
  EXPECT_EQ(form->CityCheckBox->item(0)->text().toStdString().substr(0, 9), "  03:03 a");
  EXPECT_EQ(rowNames().size(), 5u);
}

}  // namespace
}  // namespace meridex
