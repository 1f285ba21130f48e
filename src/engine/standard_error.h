#pragma once
// What theory says of the sample means: drawn without replacement from a finite population,
// their standard deviation is the standard error with the finite population correction.
#include <cstdint>

namespace varnesk {

struct Population;

struct StandardError {
  double mean = 0;         // the population mean
  double sigma = 0;        // the population standard deviation (divisor N)
  double se = 0;           // sigma / sqrt(n)
  double correctedSe = 0;  // se * sqrt((N - n) / (N - 1)); 0 when the sample is the population
};

// Precondition: 1 <= n <= TamanhoPopulacao.
StandardError standardError(const Population& population, std::int32_t n);

}  // namespace varnesk
