#pragma once
// The seven statistics of the means shown beside the histogram.
#include <span>
#include <string>

namespace varnesk {

// MediaGeral is single precision in the instant window and double in the step-by-step window;
// the standard deviation takes its differences in that same precision.
enum class MeanPrecision { Single, Double };

struct Statistics {
  std::string median, q1, q3, minimum, maximum, mean, sd;  // "#0.000" or "-"
};

// `sorted` holds the means in ascending order (at least one). Quartiles need three means and
// the standard deviation two; undefined ones read "-".
Statistics CalcularEstatisticas(std::span<const float> sorted, double overallMean,
                                MeanPrecision precision, char separator);

}  // namespace varnesk
