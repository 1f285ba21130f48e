#pragma once
// Number and width of the histogram classes, chosen from a fixed table by the range of the means.
#include <cstdint>

#include "chart/chart_traits.h"

namespace varnesk {

struct Scale {
  std::int16_t NumeroClasses = 0;
  double AmplitudeClasse = 0.0;
  // Which class boundaries get an X label: the instant window counts it in tenths, the
  // step-by-step window in hundredths.
  std::int16_t PassoRotulo = 0;
};

Scale EscolherEscala(double MenorMedia, double MaiorMedia, const ChartTraits& traits);

}  // namespace varnesk
