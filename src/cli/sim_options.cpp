#include "cli/sim_options.h"

#include "common/number_text.h"
#include "engine/configuration.h"

namespace varnesk {

std::optional<std::string> validarEntradas(const std::string& tamanho, const std::string& repeticoes) {
  const double n = parseLeadingNumber(tamanho);
  const double r = parseLeadingNumber(repeticoes);
  if (const auto problem = sampleSizeProblem(n)) return std::string(*problem);
  if (const auto problem = instantRepetitionsProblem(r)) return std::string(*problem);
  return std::nullopt;
}

std::vector<std::string> linhasPainel(const Statistics& e) {
  return {"Mínimo: " + e.minimo, "Q1: " + e.q1,      "Mediana: " + e.mediana, "Q3: " + e.q3,
          "Máximo: " + e.maximo, "Média: " + e.media, "dp: " + e.dp};
}

}  // namespace varnesk
