#include "engine/comparison.h"

#include <charconv>
#include <cmath>

#include "common/messages.h"
#include "engine/population.h"
#include "engine/sampling_run.h"

namespace varnesk {

double ComparisonRow::ratio() const {
  return theory.correctedSe > 0 ? sd / theory.correctedSe : std::nan("");
}

SampleSizeList parseSampleSizes(std::string_view text, std::int32_t largest) {
  constexpr std::size_t kMostSizes = 8;
  SampleSizeList list;
  std::size_t i = 0;
  while (true) {
    i = text.find_first_not_of(" \t", i);
    if (i == std::string_view::npos) break;
    const std::size_t end = std::min(text.find_first_of(", \t", i), text.size());
    const std::string_view item = text.substr(i, end - i);
    std::int32_t n = 0;
    const auto [ptr, ec] = std::from_chars(item.data(), item.data() + item.size(), n);
    if (item.empty() || ec != std::errc() || ptr != item.data() + item.size() || n < 1 ||
        n > largest)
      return {{},
              "Tamanho de amostra inválido: \"" + std::string(item.substr(0, 20)) +
                  "\". Use números inteiros de 1 a " + std::to_string(largest) +
                  ", separados por vírgulas."};
    list.sizes.push_back(n);
    i = text.find_first_not_of(" \t", end);
    if (i != std::string_view::npos && text[i] == ',') ++i;
  }
  if (list.sizes.empty())
    list.error = "Informe ao menos um tamanho de amostra, como 10, 100, 1000.";
  if (list.sizes.size() > kMostSizes)
    list.error =
        "Compare no máximo " + std::to_string(kMostSizes) + " tamanhos de amostra de cada vez.";
  return list;
}

std::string refuseSampleSizes(std::span<const std::int32_t> sizes, const Population& population) {
  for (std::int32_t n : sizes)
    if (const auto problem = refuseSampleSize(n, population)) return *problem;
  return {};
}

ComparisonRow comparisonRow(const Population& population, std::int32_t n,
                            std::vector<float> means) {
  ComparisonRow row;
  row.n = n;
  row.means = std::move(means);
  const auto count = static_cast<double>(row.means.size());
  // In double, the panel's formula (denominator R - 1): a sample of the whole population gives
  // exactly 0, where the panel's single-precision sums would leave a trace of rounding.
  for (float m : row.means) row.mean += m;
  row.mean /= count;
  for (float m : row.means) row.sd += (m - row.mean) * (m - row.mean);
  row.sd = count > 1 ? std::sqrt(row.sd / (count - 1)) : std::nan("");
  row.theory = standardError(population, n);
  return row;
}

ComparisonRow compareSampleSize(const Population& population, std::int32_t n, double R,
                                std::uint64_t seed) {
  SamplingRun run;
  GerarAmostras(population, n, R, seed, MeanPrecision::Single, run);
  const auto count = static_cast<std::ptrdiff_t>(run.sortedMeans.ContagemOrdenadas);
  return comparisonRow(population, n, {run.Medias.begin() + 1, run.Medias.begin() + 1 + count});
}

std::vector<ComparisonRow> compareSampleSizes(const Population& population,
                                              std::span<const std::int32_t> sizes, double R,
                                              std::uint64_t seed) {
  std::vector<ComparisonRow> rows;
  for (std::int32_t n : sizes) rows.push_back(compareSampleSize(population, n, R, seed));
  return rows;
}

}  // namespace varnesk
