#pragma once

#include <filesystem>

namespace meridex::bench {

// A generated world map for the render benchmarks, written once into a
// temporary directory: land (600 noisy islands of 200 vertices), rivers (150
// lines of 200 vertices) and 500 city dots, 150,000 vertices in all, with a
// profile that lists the three layer files. Deterministic.
class TBenchMap {
 public:
  static constexpr int kVertices = 150'000;

  TBenchMap();
  ~TBenchMap();
  TBenchMap(const TBenchMap&) = delete;
  TBenchMap& operator=(const TBenchMap&) = delete;

  const std::filesystem::path& Profile() const { return profile_; }

 private:
  std::filesystem::path dir_, profile_;
};

}  // namespace meridex::bench
