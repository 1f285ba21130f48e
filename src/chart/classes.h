#pragma once
// Which class a mean falls in.
#include <span>
#include <vector>

#include "chart/chart_traits.h"
#include "chart/scale.h"

namespace varnesk {

// Tests the boundaries limites[primeiro..ultimo] in ascending order: the first one that the
// mean lies strictly below closes its class, j - 1; a mean at or above every tested boundary
// belongs to the last class, `ultimo`. A mean on a boundary thus goes to the class above it.
inline int classOfMean(float media, std::span<const double> limites, int primeiro, int ultimo) {
  for (int j = primeiro; j <= ultimo; ++j)
    if (media < limites[static_cast<std::size_t>(j)]) return j - 1;
  return ultimo;
}

// Adds one to counts[c] for each mean, c its class by classOfMean(mean, limites, primeiro, ultimo).
template <class Count>
void countMeans(std::span<const float> medias, std::span<const double> limites, int primeiro,
                int ultimo, Count* counts) {
  for (float media : medias) ++counts[classOfMean(media, limites, primeiro, ultimo)];
}

// The number of means in each class 0..NumeroClasses of the instant window, whose class i
// starts at menorMedia + i * AmplitudeClasse.
std::vector<int> countInstantClasses(std::span<const float> ordenadas, double menorMedia,
                                     const Scale& escala);

}  // namespace varnesk
