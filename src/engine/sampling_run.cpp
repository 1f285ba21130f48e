#include "engine/sampling_run.h"

#include <algorithm>
#include <cmath>

#include "engine/population.h"
#include "engine/sampler.h"
#include "engine/status_lines.h"

namespace varnesk {

std::int32_t wholeCount(double v, std::int32_t limit) {
  if (!(v >= 1)) return 0;
  return static_cast<std::int32_t>(std::min(std::floor(v), static_cast<double>(limit)));
}

std::optional<std::string> refuseSampleSize(double n, const Population& population) {
  if (std::floor(n) <= population.TamanhoPopulacao) return std::nullopt;
  if (population.TamanhoPopulacao == 0)
    return "A população está vazia: não há valores para sortear.";
  // The size typed and N, and what to type instead, so the teacher need not count the file.
  const std::string N = std::to_string(population.TamanhoPopulacao);
  return "Tamanho da Amostra maior que a população: n = " + std::to_string(wholeShown(n)) +
         ", mas a população tem " + N +
         " valores e cada amostra sorteia valores distintos. Use um tamanho de até " + N + ".";
}

void GerarAmostras(const Population& population, double n, double R, std::uint64_t seed,
                   MeanPrecision precision, SamplingRun& run, unsigned threads) {
  const std::int32_t samples = wholeCount(R, kMaxMeans);
  const std::int32_t size = wholeCount(n, population.TamanhoPopulacao);
  std::vector<double> means(static_cast<std::size_t>(samples));
  if (size > 0) drawMeans(population, size, seed, means, threads);

  double maximum = 0.0;
  double minimum = 3.0;
  float sum = 0.0f;
  for (std::int32_t r = 1; r <= samples; ++r) {
    const double x = means[static_cast<std::size_t>(r - 1)];
    if (maximum < x) maximum = x;
    if (minimum > x) minimum = x;
    run.Medias[static_cast<std::size_t>(r)] = static_cast<float>(x);
    run.sortedMeans.OrdenarMedias(static_cast<float>(x));
    sum = static_cast<float>(static_cast<double>(sum) + x);
  }
  const double overallMean = samples > 0 ? static_cast<double>(sum) / samples : 0.0;
  run.MediaGeral = precision == MeanPrecision::Single
                       ? static_cast<double>(static_cast<float>(overallMean))
                       : overallMean;
  run.MenorMedia = std::floor(2 * minimum) / 2;
  run.MaiorMedia = std::floor(2 * maximum + 1) / 2;
}

}  // namespace varnesk
