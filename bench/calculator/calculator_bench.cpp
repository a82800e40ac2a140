// Cost of key presses: every press that shows a value formats it.
#include <benchmark/benchmark.h>

#include "calculator/calc_engine.h"

namespace {

using namespace meridex;

void BM_TypeAndEvaluate(benchmark::State& state) {
  TCalcEngine engine;
  for (auto _ : state) {
    engine.SetText("123.45*67.8/9+1%=");
    benchmark::DoNotOptimize(engine.DisplayText());
  }
}
BENCHMARK(BM_TypeAndEvaluate);

void BM_EnterNumber(benchmark::State& state) {
  TCalcEngine engine;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine.EnterNumber("1,234,567.8901234567"));
  }
}
BENCHMARK(BM_EnterNumber);

}  // namespace
