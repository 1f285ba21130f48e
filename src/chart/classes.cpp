#include "chart/classes.h"

namespace varnesk {

std::vector<int> countInstantClasses(std::span<const float> ordenadas, double menorMedia,
                                     const Scale& escala) {
  std::vector<double> limits(static_cast<std::size_t>(escala.NumeroClasses) + 1);
  for (std::size_t i = 0; i < limits.size(); ++i)
    limits[i] = menorMedia + static_cast<double>(i) * escala.AmplitudeClasse;
  std::vector<int> counts(limits.size(), 0);
  countMeans(ordenadas, limits, kInstantChart.firstClass + 1, escala.NumeroClasses, counts.data());
  return counts;
}

}  // namespace varnesk
