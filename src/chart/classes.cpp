#include "chart/classes.h"

namespace varnesk {

std::vector<int> countInstantClasses(std::span<const float> sorted, double lowest,
                                     const Scale& scale) {
  std::vector<double> limits(static_cast<std::size_t>(scale.NumeroClasses) + 1);
  for (std::size_t i = 0; i < limits.size(); ++i)
    limits[i] = lowest + static_cast<double>(i) * scale.AmplitudeClasse;
  std::vector<int> counts(limits.size(), 0);
  countMeans(sorted, limits, kInstantChart.firstClass + 1, scale.NumeroClasses, counts.data());
  return counts;
}

}  // namespace varnesk
