#pragma once
// Which class a mean falls in.
#include <span>
#include <vector>

#include "chart/chart_traits.h"
#include "chart/scale.h"

namespace varnesk {

// Tests the boundaries limits[first..last] in ascending order: the first one that the
// mean lies strictly below closes its class, j - 1; a mean at or above every tested boundary
// belongs to the last class, `last`. A mean on a boundary thus goes to the class above it.
// Values read in double precision (a population's) are tested as they are.
template <class Value>
int classOfMean(Value mean, std::span<const double> limits, int first, int last) {
  for (int j = first; j <= last; ++j)
    if (mean < limits[static_cast<std::size_t>(j)]) return j - 1;
  return last;
}

// Adds one to counts[c] for each mean, c its class by classOfMean(mean, limits, first, last).
template <class Count, class Value = float>
void countMeans(std::span<const Value> means, std::span<const double> limits, int first, int last,
                Count* counts) {
  for (Value mean : means) ++counts[classOfMean(mean, limits, first, last)];
}

// The number of means in each class 0..NumeroClasses of the instant window, whose class i
// starts at lowest + i * AmplitudeClasse.
std::vector<int> countInstantClasses(std::span<const float> sorted, double lowest,
                                     const Scale& scale);

}  // namespace varnesk
