// One million points through each projection model, beside PROJ's
// projections of the same points to the same pixels. The view is zoomed so
// that no point is decimated away (10,000 GlobeUnits per pixel, steps of
// 0.05 degrees), so every point is really projected. "Kept": what a globe
// object keeps between paints (the sphere's earth coordinates, the Mercator
// heights) is there; "AfterZoom": the sphere picks its vertices again from
// the kept earth coordinates; "First": nothing is kept yet. Each benchmark
// runs both sides in turn in every iteration, on this thread's CPU clock, so
// that the ratio does not drift with the load of a shared machine.
#include <benchmark/benchmark.h>
#include <proj.h>

#include <cmath>
#include <ctime>
#include <memory>
#include <vector>

#include "bench_points.h"
#include "globe/cartesian_prj.h"
#include "globe/globe_units.h"
#include "globe/mercator_prj.h"
#include "globe/spherical_prj.h"

namespace meridex {
namespace {

constexpr std::size_t kPoints = 1'000'000;
constexpr long double kScale = 1.0L / 10000;  // pixels per GlobeUnit

class BenchHost : public TProjectionHost {
 public:
  void Redraw() override {}
  TRect ClipRect() const override { return {0, 0, 1024, 768}; }
  int PixelsPerInch() const override { return 96; }
  TPointBuffers& Buffers() override { return buffers_; }

 private:
  TPointBuffers buffers_;
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

double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// A PROJ projection of the points to the same pixels (scale, round, add the
// centre), so that both sides do a whole projection to the screen.
class TProjSide {
 public:
  explicit TProjSide(const char* definition)
      : ctx_(proj_context_create()),
        pj_(proj_create(ctx_, definition)),
        x_(kPoints),
        y_(kPoints),
        pixels_(kPoints) {}
  ~TProjSide() {
    if (pj_) proj_destroy(pj_);
    proj_context_destroy(ctx_);
  }
  TProjSide(const TProjSide&) = delete;
  TProjSide& operator=(const TProjSide&) = delete;
  bool Ok() const { return pj_ != nullptr; }

  std::size_t Project(const TLLPointList& list) {
    // Metres on a sphere of the engine's radius: 1 GlobeUnit of length.
    const double toPixels = static_cast<double>(kScale);
    for (std::size_t i = 0; i < kPoints; ++i) {
      x_[i] = list.Points()[i].X * static_cast<double>(RADIANS_PER_GU);
      y_[i] = list.Points()[i].Y * static_cast<double>(RADIANS_PER_GU);
    }
    proj_trans_generic(pj_, PJ_FWD, x_.data(), sizeof(double), kPoints, y_.data(), sizeof(double),
                       kPoints, nullptr, 0, 0, nullptr, 0, 0);
    std::size_t n = 0;
    for (std::size_t i = 0; i < kPoints; ++i) {
      if (x_[i] == HUGE_VAL) continue;
      pixels_[n++] = {static_cast<std::int32_t>(std::llrint(x_[i] * toPixels)) + 512,
                      384 - static_cast<std::int32_t>(std::llrint(y_[i] * toPixels))};
    }
    benchmark::DoNotOptimize(pixels_.data());
    return n;
  }

 private:
  PJ_CONTEXT* ctx_;
  PJ* pj_;
  std::vector<double> x_, y_;
  std::vector<TLLPoint> pixels_;
};

void KeepAll(TProjectionCache&) {}
void Zoomed(TProjectionCache& cache) { cache.Discard(); }
void ForgetAll(TProjectionCache& cache) { cache = TProjectionCache(); }

// Our model, with what forget leaves of the cache, beside PROJ.
template <class Model>
void Pair(benchmark::State& state, void (*forget)(TProjectionCache&), const char* definition) {
  BenchHost host;
  auto prj = MakeModel<Model>(host);
  TProjSide proj(definition);
  if (!proj.Ok()) {
    state.SkipWithError("PROJ could not create the projection");
    return;
  }
  const TLLPointList& list = Points(static_cast<int>(state.range(0)));
  TProjectionCache cache;
  prj->ProjectPointList(list, cache);
  double ours = 0, theirs = 0;
  for (auto _ : state) {
    const double t0 = ThreadSeconds();
    forget(cache);
    benchmark::DoNotOptimize(prj->ProjectPointList(list, cache));
    const double t1 = ThreadSeconds();
    benchmark::DoNotOptimize(proj.Project(list));
    theirs += ThreadSeconds() - t1;
    ours += t1 - t0;
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["engine_ms"] = ours / n * 1e3;
  state.counters["proj_ms"] = theirs / n * 1e3;
  state.counters["times_faster"] = ours > 0 ? theirs / ours : 0;
  state.SetLabel(state.range(0) == 0 ? "random walks" : "uniform");
}

constexpr const char* kOrtho = "+proj=ortho +lat_0=30 +lon_0=0 +R=309393000";
constexpr const char* kMerc = "+proj=merc +R=309397209.37064453276";
constexpr const char* kEqc = "+proj=eqc +R=309397209.37064453276";

void BM_SphereKept_vs_ortho(benchmark::State& s) { Pair<TSphericalPrj>(s, KeepAll, kOrtho); }
void BM_SphereAfterZoom_vs_ortho(benchmark::State& s) { Pair<TSphericalPrj>(s, Zoomed, kOrtho); }
void BM_SphereFirst_vs_ortho(benchmark::State& s) { Pair<TSphericalPrj>(s, ForgetAll, kOrtho); }
void BM_MercatorKept_vs_merc(benchmark::State& s) { Pair<TMercatorPrj>(s, KeepAll, kMerc); }
void BM_MercatorFirst_vs_merc(benchmark::State& s) { Pair<TMercatorPrj>(s, ForgetAll, kMerc); }
void BM_Cartesian_vs_eqc(benchmark::State& s) { Pair<TCartesianPrj>(s, KeepAll, kEqc); }

BENCHMARK(BM_SphereKept_vs_ortho)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SphereAfterZoom_vs_ortho)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SphereFirst_vs_ortho)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MercatorKept_vs_merc)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MercatorFirst_vs_merc)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cartesian_vs_eqc)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace meridex

BENCHMARK_MAIN();
