#include "engine/erro_padrao.h"

#include <cmath>

#include "engine/population.h"

namespace varnesk {

StandardError standardError(const Population& population, std::int32_t n) {
  const std::int32_t size = population.TamanhoPopulacao;
  const double* values = population.Populacao.data() + 1;
  StandardError e;
  for (std::int32_t i = 0; i < size; ++i) e.media += values[i];
  e.media /= size;
  double squares = 0;  // two passes: the spread of loss rates is small beside their mean
  for (std::int32_t i = 0; i < size; ++i) squares += (values[i] - e.media) * (values[i] - e.media);
  e.sigma = std::sqrt(squares / size);
  e.ep = e.sigma / std::sqrt(static_cast<double>(n));
  e.epCorrigido = size > n ? e.ep * std::sqrt(static_cast<double>(size - n) / (size - 1)) : 0.0;
  return e;
}

}  // namespace varnesk
