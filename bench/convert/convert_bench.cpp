// Cost of one "Convert" press and of the number texts behind it.
#include <benchmark/benchmark.h>

#include <map>

#include "convert/conversion_engine.h"
#include "convert/real48.h"

namespace {

using namespace meridex;

class MapFields final : public ConversionFields {
 public:
  std::string text(int field) const override {
    const auto it = texts.find(field);
    return it == texts.end() ? std::string() : it->second;
  }
  void setText(int field, const std::string& text) override { texts[field] = text; }
  std::map<int, std::string> texts;
};

// The largest category: eleven fields including the feet/inches pair.
void BM_ConvertLinearDistance(benchmark::State& state) {
  ConversionEngine engine;
  MapFields fields;
  engine.SelectSource(27, fields);
  for (auto _ : state) {
    fields.setText(27, "1,234.5");
    engine.Convert(Category::ctLinear, fields);
    benchmark::DoNotOptimize(fields.texts);
  }
}
BENCHMARK(BM_ConvertLinearDistance);

void BM_StoreReal48(benchmark::State& state) {
  long double value = 1609.344L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(StoreReal48(value));
    value += 0.001L;
  }
}
BENCHMARK(BM_StoreReal48);

void BM_FormatGrouped(benchmark::State& state) {
  const NumberSeparators english;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatFloat(1609.344L, FloatStyle::fsGrouped, 8, 5, english));
  }
}
BENCHMARK(BM_FormatGrouped);

// The exact decimal expansion grows with the binary exponent; this is the
// longest the calculator can meet.
void BM_FormatGeneralTinyExtended(benchmark::State& state) {
  const NumberSeparators english;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatFloat(1E-4900L, FloatStyle::fsGeneral, 15, 0, english));
  }
}
BENCHMARK(BM_FormatGeneralTinyExtended);

void BM_ParseFloat(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ParseFloat(" -1234.5E-3 ", "."));
}
BENCHMARK(BM_ParseFloat);

}  // namespace
