// Timings of the sampling run, of the step-by-step window's Load and of the population reader.
// Not part of the test suite.
#include <filesystem>

#include <benchmark/benchmark.h>

#include "common/platform.h"
#include "engine/population.h"
#include "engine/sampling_run.h"
#include "engine/simulation_window.h"

namespace varnesk {
namespace {

const Population& defaultPopulation() {
  static const Population population = [] {
    Population p;
    LerPopulacao(defaultPopulationPath(), p);
    return p;
  }();
  return population;
}

// args: population size (a prefix of the default population), n, R. The cases: the largest run;
// half the population, where drawing distinct positions costs the most, and the whole
// population, at 100000 and at 578000 values (the windows take n up to 50000, the engine any n
// up to the population); the smallest sample.
void BM_GerarAmostras(benchmark::State& state) {
  Population population = defaultPopulation();
  population.TamanhoPopulacao = static_cast<std::int32_t>(state.range(0));
  auto run = std::make_unique<SamplingRun>();
  std::uint64_t seed = 1;
  for (auto _ : state) {
    run->sortedMeans.ContagemOrdenadas = 0;
    GerarAmostras(population, static_cast<double>(state.range(1)), static_cast<double>(state.range(2)),
                  seed++, MeanPrecision::Single, *run);
    benchmark::DoNotOptimize(run->MediaGeral);
  }
}
BENCHMARK(BM_GerarAmostras)
    ->Args({578000, 50000, 5000})
    ->Args({100000, 50000, 5000})
    ->Args({100000, 100000, 5000})
    ->Args({578000, 289000, 5000})
    ->Args({578000, 578000, 5000})
    ->Args({578000, 1, 5000})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The step-by-step window has nothing to show here: its messages, pointer and dots go nowhere.
class SilentPlatform : public Platform {
 public:
  void showMessage(const std::string&) override {}
  void setFocus(const std::string&) override {}
  void setBusy(bool) override {}
};

// Form4's largest Load: it reads the default file and draws the whole run of n = 50000,
// R = 1000 (the most repetitions that window takes) before its first step.
void BM_LoadStepByStep(benchmark::State& state) {
  SilentPlatform platform;
  std::uint64_t seed = 1;
  SimulationWindow window(WindowKind::StepByStep,
                          WindowEnvironment{platform, [](const std::string& text) { return SizeF{static_cast<float>(text.size()) * 90.0f, 195.0f}; }, '.', {defaultPopulationPath(), {}}, [&seed] { return seed++; }});
  for (auto _ : state) benchmark::DoNotOptimize(window.Load("50000", "1000"));
}
BENCHMARK(BM_LoadStepByStep)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LerPopulacao(benchmark::State& state) {
  Population population;
  const auto file = defaultPopulationPath();
  for (auto _ : state) benchmark::DoNotOptimize(LerPopulacao(file, population).sum);
}
BENCHMARK(BM_LerPopulacao)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace varnesk

BENCHMARK_MAIN();
