#include "chart/scale.h"

#include <array>

namespace varnesk {
namespace {

struct ScaleRow {
  float range;
  std::int16_t classes;
  double amplitude;
  std::int16_t labelStepTenths;
  std::int16_t labelStepHundredths;
};

// Every row covers its range exactly: classes x amplitude = range.
constexpr std::array<ScaleRow, 13> kRows{{
    {0.5f, 25, 0.02, 5, 10},
    {1.0f, 20, 0.05, 5, 20},
    {1.5f, 30, 0.05, 5, 10},
    {2.0f, 20, 0.1, 5, 50},
    {2.5f, 25, 0.1, 5, 50},
    {3.0f, 30, 0.1, 5, 50},
    {3.5f, 35, 0.1, 5, 50},
    {4.0f, 20, 0.2, 5, 50},
    {4.5f, 30, 0.15, 5, 50},
    {5.0f, 25, 0.2, 5, 50},
    {5.5f, 25, 0.22, 5, 50},
    {6.0f, 30, 0.2, 5, 50},
    {7.0f, 25, 0.28, 5, 50},
}};
// Any other range (6.5, 7.5 and more): 20 classes of one unit; the last class collects the rest.
constexpr ScaleRow kOtherRanges{0.0f, 20, 1.0, 5, 50};

}  // namespace

Scale EscolherEscala(double MenorMedia, double MaiorMedia, const ChartTraits& traits) {
  const auto FaixaMedias = static_cast<float>(MaiorMedia - MenorMedia);
  ScaleRow chosen = kOtherRanges;
  for (const ScaleRow& row : kRows)
    if (FaixaMedias == row.range) {
      chosen = row;
      break;
    }
  return {chosen.classes, chosen.amplitude,
          traits.labelsInTenths ? chosen.labelStepTenths : chosen.labelStepHundredths};
}

}  // namespace varnesk
