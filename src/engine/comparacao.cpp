#include "common/limits.h"
#include "engine/comparacao.h"

#include <charconv>
#include <cmath>

#include "common/messages.h"
#include "engine/population.h"
#include "engine/sampling_run.h"

namespace varnesk {

double ComparisonRow::razao() const {
  return teoria.epCorrigido > 0 ? dp / teoria.epCorrigido : std::nan("");
}

SampleSizeList parseSampleSizes(std::string_view texto) {
  constexpr std::size_t kMaisTamanhos = 8;
  SampleSizeList lista;
  std::size_t i = 0;
  while (true) {
    i = texto.find_first_not_of(" \t", i);
    if (i == std::string_view::npos) break;
    const std::size_t fim = std::min(texto.find_first_of(", \t", i), texto.size());
    const std::string_view item = texto.substr(i, fim - i);
    std::int32_t n = 0;
    const auto [ptr, ec] = std::from_chars(item.data(), item.data() + item.size(), n);
    if (item.empty() || ec != std::errc() || ptr != item.data() + item.size() || n < 1 ||
        n > kMaxSampleSize)
      return {{},
              "Tamanho de amostra inválido: \"" + std::string(item.substr(0, 20)) +
                  "\". Use números inteiros de 1 a 50000, separados por vírgulas."};
    lista.tamanhos.push_back(n);
    i = texto.find_first_not_of(" \t", fim);
    if (i != std::string_view::npos && texto[i] == ',') ++i;
  }
  if (lista.tamanhos.empty())
    lista.erro = "Informe ao menos um tamanho de amostra, como 10, 100, 1000.";
  if (lista.tamanhos.size() > kMaisTamanhos)
    lista.erro =
        "Compare no máximo " + std::to_string(kMaisTamanhos) + " tamanhos de amostra de cada vez.";
  return lista;
}

std::string refuseSampleSizes(std::span<const std::int32_t> tamanhos, const Population& population) {
  for (std::int32_t n : tamanhos)
    if (const auto problema = refuseSampleSize(n, population)) return *problema;
  return {};
}

std::vector<ComparisonRow> compareSampleSizes(const Population& population,
                                              std::span<const std::int32_t> tamanhos, double R,
                                              std::uint64_t semente) {
  std::vector<ComparisonRow> linhas;
  for (std::int32_t n : tamanhos) {
    SamplingRun corrida;
    GerarAmostras(population, n, R, semente, MeanPrecision::Single, corrida);
    const auto count = static_cast<std::ptrdiff_t>(corrida.sortedMeans.ContagemOrdenadas);
    ComparisonRow& linha = linhas.emplace_back();
    linha.n = n;
    linha.medias.assign(corrida.Medias.begin() + 1, corrida.Medias.begin() + 1 + count);
    // In double, the panel's formula (denominator R - 1): a sample of the whole population gives
    // exactly 0, where the panel's single-precision sums would leave a trace of rounding.
    for (float m : linha.medias) linha.media += m;
    linha.media /= static_cast<double>(count);
    for (float m : linha.medias) linha.dp += (m - linha.media) * (m - linha.media);
    linha.dp = count > 1 ? std::sqrt(linha.dp / static_cast<double>(count - 1)) : std::nan("");
    linha.teoria = standardError(population, n);
  }
  return linhas;
}

}  // namespace varnesk
