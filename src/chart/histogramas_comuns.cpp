#include "chart/histogramas_comuns.h"

#include <algorithm>
#include <cmath>

namespace varnesk {

SharedHistograms sharedHistograms(std::span<const std::vector<float>> series, double media,
                                    int classes) {
  double menor = media, maior = media;
  for (const auto& s : series) {
    for (float m : s) {
      menor = std::min(menor, double{m});
      maior = std::max(maior, double{m});
    }
  }
  if (maior - menor < 1e-9) menor -= 0.5, maior += 0.5;  // all means on the population mean
  SharedHistograms h{menor, (maior - menor) / classes, {}};
  for (const auto& s : series) {
    auto& contagens = h.contagens.emplace_back(static_cast<std::size_t>(classes), 0);
    for (float m : s) {
      const auto classe = static_cast<int>(std::floor((m - h.inicio) / h.largura));
      ++contagens[static_cast<std::size_t>(std::clamp(classe, 0, classes - 1))];
    }
  }
  return h;
}

std::vector<double> axisMarks(double menor, double maior, int quantas) {
  const double bruto = (maior - menor) / std::max(quantas, 1);
  if (!(bruto > 0)) return {menor};
  const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
  const double fracao = bruto / potencia;
  const double passo = potencia * (fracao < 1.5 ? 1 : fracao < 3.5 ? 2 : fracao < 7.5 ? 5 : 10);
  std::vector<double> marcas;
  for (double k = std::ceil(menor / passo); k * passo <= maior + passo * 1e-9; ++k)
    marcas.push_back(k * passo);
  return marcas;
}

}  // namespace varnesk
