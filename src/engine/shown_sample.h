#pragma once
// The sample behind a mean of the step-by-step window: which of the run's samples it is and its
// values, so that a student sees where the mean came from in the population.
#include <cstdint>
#include <vector>

namespace varnesk {

struct ShownSample {
  std::int32_t number = 0;  // r: the sample whose mean is Medias(r)
  std::int32_t of = 0;      // the samples of the run
  std::vector<double> values;
  float mean = 0.0f;  // Medias(r)
};

}  // namespace varnesk
