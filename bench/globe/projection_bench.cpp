// One million points through each projection model. The view is zoomed so
// that no point is decimated away (10,000 GlobeUnits per pixel, steps of
// 0.05 degrees), so every point is really projected.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "bench_points.h"
#include "globe/cartesian_prj.h"
#include "globe/globe_units.h"
#include "globe/mercator_prj.h"
#include "globe/spherical_prj.h"

#ifdef MERIDEX_HAVE_PROJ
#include <proj.h>
#endif

namespace meridex {
namespace {

constexpr std::size_t kPoints = 1'000'000;
constexpr long double kScale = 1.0L / 10000;  // pixels per GlobeUnit

class BenchHost : public TProjectionHost {
 public:
  void Redraw() override {}
  TRect ClipRect() const override { return {0, 0, 1024, 768}; }
  int PixelsPerInch() const override { return 96; }
};

const TLLPointList& Walks() {
  static const TLLPointList list = bench::RandomWalks(kPoints, 1000, 270000);
  return list;
}
const TLLPointList& Uniform() {
  static const TLLPointList list = bench::UniformPoints(kPoints);
  return list;
}
const TLLPointList& Points(int set) { return set == 0 ? Walks() : Uniform(); }

template <class Model>
std::unique_ptr<Model> MakeModel(BenchHost& host) {
  auto prj = std::make_unique<Model>(host);
  prj->SetView(162000000, -486000000, kScale, 0);
  prj->CenterX = 512;
  prj->CenterY = 384;
  return prj;
}

void SetLabel(benchmark::State& state) {
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kPoints);
  state.SetLabel(state.range(0) == 0 ? "random walks" : "uniform");
}

void BM_SphereCached(benchmark::State& state) {
  BenchHost host;
  auto prj = MakeModel<TSphericalPrj>(host);
  const TLLPointList& list = Points(static_cast<int>(state.range(0)));
  TProjectionCache cache;
  prj->ProjectPointList(list, cache);  // build the 3D cache once
  for (auto _ : state) benchmark::DoNotOptimize(prj->ProjectPointList(list, cache));
  SetLabel(state);
}

void BM_SphereUncached(benchmark::State& state) {
  BenchHost host;
  auto prj = MakeModel<TSphericalPrj>(host);
  const TLLPointList& list = Points(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TProjectionCache cache;  // rebuilt every time, as after a zoom
    benchmark::DoNotOptimize(prj->ProjectPointList(list, cache));
  }
  SetLabel(state);
}

template <class Model>
void BM_Flat(benchmark::State& state) {
  BenchHost host;
  auto prj = MakeModel<Model>(host);
  const TLLPointList& list = Points(static_cast<int>(state.range(0)));
  TProjectionCache cache;
  for (auto _ : state) benchmark::DoNotOptimize(prj->ProjectPointList(list, cache));
  SetLabel(state);
}

BENCHMARK(BM_SphereCached)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SphereUncached)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Flat<TCartesianPrj>)
    ->Name("BM_Cartesian")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Flat<TMercatorPrj>)
    ->Name("BM_Mercator")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

#ifdef MERIDEX_HAVE_PROJ
// The same points through PROJ, converted to pixels the same way (scale,
// round, add the centre), so both sides do a whole projection to the screen.
void BM_Proj(benchmark::State& state, const char* definition) {
  PJ_CONTEXT* ctx = proj_context_create();
  PJ* pj = proj_create(ctx, definition);
  if (!pj) {
    state.SkipWithError("PROJ could not create the projection");
    proj_context_destroy(ctx);
    return;
  }
  const TLLPointList& list = Points(static_cast<int>(state.range(0)));
  std::vector<double> x(kPoints), y(kPoints);
  std::vector<TLLPoint> pixels(kPoints);
  // Metres on a sphere of the engine's radius: 1 GlobeUnit of length.
  const double toPixels = static_cast<double>(kScale);
  for (auto _ : state) {
    for (std::size_t i = 0; i < kPoints; ++i) {
      x[i] = list.Points()[i].X * static_cast<double>(RADIANS_PER_GU);
      y[i] = list.Points()[i].Y * static_cast<double>(RADIANS_PER_GU);
    }
    proj_trans_generic(pj, PJ_FWD, x.data(), sizeof(double), kPoints, y.data(), sizeof(double),
                       kPoints, nullptr, 0, 0, nullptr, 0, 0);
    std::size_t n = 0;
    for (std::size_t i = 0; i < kPoints; ++i) {
      if (x[i] == HUGE_VAL) continue;
      pixels[n++] = {static_cast<std::int32_t>(std::llrint(x[i] * toPixels)) + 512,
                     384 - static_cast<std::int32_t>(std::llrint(y[i] * toPixels))};
    }
    benchmark::DoNotOptimize(pixels.data());
    benchmark::DoNotOptimize(n);
  }
  SetLabel(state);
  proj_destroy(pj);
  proj_context_destroy(ctx);
}

BENCHMARK_CAPTURE(BM_Proj, ortho, "+proj=ortho +lat_0=30 +lon_0=0 +R=309393000")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Proj, merc, "+proj=merc +R=309397209.37064453276")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Proj, eqc, "+proj=eqc +R=309397209.37064453276")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
#endif

// Collects the throughput of every run so the ratios can be printed after.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const auto it = run.counters.find("items_per_second");
      if (it != run.counters.end()) rates_[run.benchmark_name()] = it->second.value;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  // Uses the medians when the benchmarks ran with repetitions.
  void PrintRatio(const std::string& ours, const std::string& theirs) const {
    auto a = rates_.find(ours + "_median"), b = rates_.find(theirs + "_median");
    if (a == rates_.end() || b == rates_.end()) a = rates_.find(ours), b = rates_.find(theirs);
    if (a == rates_.end() || b == rates_.end() || b->second == 0) return;
    std::printf("%-34s / %-34s = %6.2f x\n", ours.c_str(), theirs.c_str(), a->second / b->second);
  }

 private:
  std::map<std::string, double> rates_;
};

}  // namespace
}  // namespace meridex

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  meridex::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
#ifdef MERIDEX_HAVE_PROJ
  std::printf("\nThroughput ratios (engine / PROJ):\n");
  for (const char* set : {"0", "1"}) {
    const std::string s = std::string("/") + set;
    reporter.PrintRatio("BM_SphereCached" + s, "BM_Proj/ortho" + s);
    reporter.PrintRatio("BM_SphereUncached" + s, "BM_Proj/ortho" + s);
    reporter.PrintRatio("BM_Mercator" + s, "BM_Proj/merc" + s);
    reporter.PrintRatio("BM_Cartesian" + s, "BM_Proj/eqc" + s);
  }
#endif
  benchmark::Shutdown();
  return 0;
}
