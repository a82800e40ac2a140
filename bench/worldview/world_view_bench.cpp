// The world view with the shipped map and city database: one tick of its
// 600 ms clock, one minute's update of the night side (the picture rendered
// afresh, layers and shade), the same render without the night side, and one
// press of a rotate button with the repaint it causes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "common/app_context.h"
#include "globe/globe.h"
#include "support/fake_clock.h"
#include "support/recording_dialogs.h"
#include "support/recording_shell.h"
#include "support/recording_sound_player.h"
#include "support/temp_dir.h"
#include "worldtime/city_files.h"
#include "worldtime/local_time.h"
#include "worldview/world_form.h"

namespace meridex {

namespace {

namespace fs = std::filesystem;

// The world view as the program shows it, on Tokyo, with the city table's
// times computed as the city list computes them.
struct WorldView {
  WorldView() {
    for (const char* file : {"kydafe.dat", "custlst.dat", "tglobe.prf"})
      fs::copy_file(fs::path(MERIDEX_DATA_DIR) / file, dir / file);
    fs::copy(fs::path(MERIDEX_DATA_DIR) / "maps", dir / "maps");
    LoadCityTable(dir.path(), *table);
    RefreshHourOffsets(*table, clock.utcNow());
    for (int i = 0; i < table->Count; ++i)
      ComputeLocalTime(table->Entries[static_cast<std::size_t>(i)], clock.utcNow());
    form = std::make_unique<TWorldForm>(ctx, *table);
    form->show();
    form->LoadMap();  // as the program does once its first window is up
    const auto tokyo = form->CityListBox->findItems("Tokyo", Qt::MatchExactly);
    if (!tokyo.isEmpty()) form->CityListBox->setCurrentItem(tokyo.front());
    QApplication::processEvents();
    form->Globe->repaint();
  }

  test::TempDir dir;
  test::FakeClock clock{test::Utc(2026, 3, 20, 12, 0)};
  test::RecordingDialogs dialogs;
  test::RecordingSoundPlayer sound;
  test::RecordingShell shell;
  PreferenceState prefs;
  AppContext ctx{clock, dialogs, sound, shell, prefs, dir.path(), [] { return 96; }};
  std::unique_ptr<CityTable> table = std::make_unique<CityTable>();
  std::unique_ptr<TWorldForm> form;
};

// Made at the first benchmark, gone before the application is.
std::unique_ptr<WorldView> view;

WorldView& View() {
  if (!view) view = std::make_unique<WorldView>();
  return *view;
}

void BM_Timer2Tick(benchmark::State& state) {
  WorldView& v = View();
  for (auto _ : state) {
    v.clock.advance(Millis(600));
    v.form->Timer2Timer();
    v.form->Globe->repaint();  // a copy of the cached picture, but once a minute
  }
}

void MinuteUpdate(benchmark::State& state, bool nightSide) {
  WorldView& v = View();
  if (v.form->NightSide1->isChecked() != nightSide) v.form->NightSide1->trigger();
  for (auto _ : state) {
    v.clock.advance(std::chrono::minutes(1));
    v.form->Timer2Timer();
    if (!nightSide) v.form->Globe->Redraw();  // the same render, for comparison
    v.form->Globe->repaint();
  }
  if (!v.form->NightSide1->isChecked()) v.form->NightSide1->trigger();
}

void BM_NightSideMinute(benchmark::State& s) { MinuteUpdate(s, true); }
void BM_RenderWithoutNightSide(benchmark::State& s) { MinuteUpdate(s, false); }

void BM_RotateStep(benchmark::State& state) {
  WorldView& v = View();
  for (auto _ : state) {
    v.form->SpeedButton4->click();
    v.form->Globe->repaint();
  }
}

BENCHMARK(BM_Timer2Tick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NightSideMinute)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderWithoutNightSide)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RotateStep)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

void ReleaseWorldView() { view.reset(); }

}  // namespace meridex

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  meridex::ReleaseWorldView();
  benchmark::Shutdown();
  return 0;
}
