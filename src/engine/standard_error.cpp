#include "engine/standard_error.h"

#include <cmath>

#include "engine/population.h"

namespace varnesk {

StandardError standardError(const Population& population, std::int32_t n) {
  const std::int32_t size = population.TamanhoPopulacao;
  const double* values = population.Populacao.data() + 1;
  StandardError e;
  for (std::int32_t i = 0; i < size; ++i) e.mean += values[i];
  e.mean /= size;
  double squares = 0;  // two passes: the spread of loss rates is small beside their mean
  for (std::int32_t i = 0; i < size; ++i) squares += (values[i] - e.mean) * (values[i] - e.mean);
  e.sigma = std::sqrt(squares / size);
  e.se = e.sigma / std::sqrt(static_cast<double>(n));
  e.correctedSe = size > n ? e.se * std::sqrt(static_cast<double>(size - n) / (size - 1)) : 0.0;
  return e;
}

}  // namespace varnesk
