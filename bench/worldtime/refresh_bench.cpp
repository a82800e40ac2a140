// One refresh of the world clock: the daylight-saving pass over a full table
// and the local time texts of every location.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "common/text.h"
#include "worldtime/local_time.h"

namespace {

using namespace meridex;

CityTable FullTable() {
  CityTable table;
  const DaylightSavingRule rules[] = {
      {},                           // none
      {1, 1, 11, 1, 2, 1, 3, 8},    // second Sunday of March to first of November
      {2, 1, 10, 25, 2, 1, 3, 25},  // last Sundays of March and October
      {2, 1, 4, 1, 2, 1, 10, 1},    // southern hemisphere
  };
  for (int i = 0; i < kMaxCities; ++i) {
    CityEntry e;
    e.Name = PadRight("City " + std::to_string(10000 + i), kNameLength);
    e.BaseHourOffset = static_cast<std::uint8_t>(i % 24);
    e.MinuteOffset = static_cast<std::uint8_t>(i % 7 == 0 ? 30 : 0);
    e.Rule = rules[i % 4];
    e.Origin = kOriginDatabase;
    table.Entries[static_cast<std::size_t>(i)] = e;
  }
  table.Count = kMaxCities;
  table.Entries[0].Name = kReferenceName;
  return table;
}

void FullRefresh(benchmark::State& state) {
  CityTable table = FullTable();
  UtcTime now{std::chrono::sys_days{std::chrono::year{2027} / 3 / 28}};
  std::size_t chars = 0;
  for (auto _ : state) {
    RefreshHourOffsets(table, now);
    for (int i = 0; i < table.Count; ++i) {
      CityEntry& e = table.Entries[static_cast<std::size_t>(i)];
      ComputeLocalTime(e, now);
      chars += ListRowText(e, table.ReferenceWeekDay).size();
    }
    now += std::chrono::minutes{1};
  }
  benchmark::DoNotOptimize(chars);
  state.SetItemsProcessed(state.iterations() * table.Count);
}
BENCHMARK(FullRefresh);

}  // namespace

BENCHMARK_MAIN();
