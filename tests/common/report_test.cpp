#include "common/report.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "support/recording_dialogs.h"

namespace meridex {
namespace {

using test::RecordingDialogs;

TEST(RunReported, TheProgramsOwnErrorsShowTheirText) {
  RecordingDialogs dialogs;
  EXPECT_FALSE(RunReported(dialogs, "\"Save Hot List\"", [] {
    throw IoError("Cannot write \"chklst.dat\": Permission denied");
  }));
  EXPECT_FALSE(
      RunReported(dialogs, "\"Convert\"", [] { throw AppError("Floating point overflow"); }));
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].kind, DialogKind::Error);
  EXPECT_EQ(dialogs.shown[0].text, "Cannot write \"chklst.dat\": Permission denied");
  EXPECT_EQ(dialogs.shown[1].text, "Floating point overflow");
}

TEST(RunReported, AnythingElseShowsOnePlainMessageNamingTheAction) {
  RecordingDialogs dialogs;
  EXPECT_FALSE(
      RunReported(dialogs, "\"Convert\"", [] { throw std::out_of_range("no conversion field"); }));
  EXPECT_FALSE(RunReported(dialogs, "the minute refresh", [] { throw std::bad_alloc(); }));
  EXPECT_FALSE(RunReported(dialogs, "\"Update\"", [] { throw 42; }));
  ASSERT_EQ(dialogs.shown.size(), 3u);
  EXPECT_EQ(dialogs.shown[0].kind, DialogKind::Error);
  EXPECT_EQ(dialogs.shown[0].text, "Could not complete \"Convert\": an internal error occurred.");
  EXPECT_EQ(dialogs.shown[1].text,
            "Could not complete the minute refresh: an internal error occurred.");
  EXPECT_EQ(dialogs.shown[2].text, "Could not complete \"Update\": an internal error occurred.");
}

TEST(RunReported, AHandlerThatSucceedsShowsNothing) {
  RecordingDialogs dialogs;
  int runs = 0;
  EXPECT_TRUE(RunReported(dialogs, "\"Options\"", [&] { ++runs; }));
  const std::function<void()> connected = Reported(dialogs, "\"About\"", [&] { ++runs; });
  connected();
  connected();
  EXPECT_EQ(runs, 3);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST(CommandAction, QuotesTheCaptionWithoutItsShortcutMarkerOrTrailingBlanks) {
  EXPECT_EQ(CommandAction("&Save Hot List"), "\"Save Hot List\"");
  EXPECT_EQ(CommandAction("Help "), "\"Help\"");
  EXPECT_EQ(CommandAction("Salt && Pepper"), "\"Salt & Pepper\"");
  EXPECT_EQ(CommandAction("Next >>"), "\"Next >>\"");
  EXPECT_EQ(CommandAction("Odd&"), "\"Odd\"");
}

}  // namespace
}  // namespace meridex

namespace meridex {
namespace {

TEST(RepeatedFailure, IsShownOnceUntilTheActionSucceedsAgain) {
  test::RecordingDialogs dialogs;
  RepeatedFailure saves;
  bool failing = true;
  const auto save = [&] {
    if (failing) throw IoError("Cannot write \"chklst.dat\": No space left on device");
  };
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(saves.run(dialogs, "the saving", save));
  EXPECT_EQ(dialogs.shown.size(), 1u);
  EXPECT_TRUE(saves.failing());
  // Asked for by the user, it answers every time.
  EXPECT_FALSE(saves.runAsked(dialogs, "the saving", save));
  EXPECT_EQ(dialogs.shown.size(), 2u);
  failing = false;
  EXPECT_TRUE(saves.run(dialogs, "the saving", save));
  EXPECT_FALSE(saves.failing());
  failing = true;
  saves.run(dialogs, "the saving", save);
  saves.run(dialogs, "the saving", save);
  ASSERT_EQ(dialogs.shown.size(), 3u);
  EXPECT_EQ(dialogs.shown[2].text, "Cannot write \"chklst.dat\": No space left on device");
}

TEST(RepeatedFailure, ARepetitionWhileItsBoxIsUpStaysQuiet) {
  // The box takes the focus from the window, whose losing it saves again.
  test::RecordingDialogs dialogs;
  RepeatedFailure saves;
  const auto save = [] { throw IoError("Cannot write \"custlst.dat\": Read-only file system"); };
  dialogs.whileShown = [&](const test::RecordingDialogs::Shown&) {
    saves.run(dialogs, "the saving", save);
  };
  EXPECT_FALSE(saves.runAsked(dialogs, "the saving", save));
  EXPECT_EQ(dialogs.shown.size(), 1u);
  EXPECT_TRUE(saves.failing());
}

}  // namespace
}  // namespace meridex
