// Timings of the sampling run and of the population reader. Not part of the test suite.
#include <filesystem>

#include <benchmark/benchmark.h>

#include "engine/population.h"
#include "engine/sampling_run.h"

namespace varnesk {
namespace {

const Population& defaultPopulation() {
  static const Population population = [] {
    Population p;
    LerPopulacao(caminhoPopulacaoPadrao(), p);
    return p;
  }();
  return population;
}

// args: population size (a prefix of the default population), n, R. The cases: the largest run;
// a sample that is the whole population; a sample of half the population, where drawing
// distinct positions costs the most; the smallest sample.
void BM_GerarAmostras(benchmark::State& state) {
  Population population = defaultPopulation();
  population.TamanhoPopulacao = static_cast<std::int32_t>(state.range(0));
  auto corrida = std::make_unique<Corrida>();
  std::uint64_t seed = 1;
  for (auto _ : state) {
    corrida->ordenadas.ContagemOrdenadas = 0;
    GerarAmostras(population, static_cast<double>(state.range(1)), static_cast<double>(state.range(2)),
                  seed++, PrecisaoMedia::Simples, *corrida);
    benchmark::DoNotOptimize(corrida->MediaGeral);
  }
}
BENCHMARK(BM_GerarAmostras)
    ->Args({578000, 50000, 5000})
    ->Args({50000, 50000, 5000})
    ->Args({100000, 50000, 5000})
    ->Args({578000, 1, 5000})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_LerPopulacao(benchmark::State& state) {
  Population population;
  const auto file = caminhoPopulacaoPadrao();
  for (auto _ : state) benchmark::DoNotOptimize(LerPopulacao(file, population).soma);
}
BENCHMARK(BM_LerPopulacao)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varnesk

BENCHMARK_MAIN();
