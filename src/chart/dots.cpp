#include "chart/dots.h"

#include "chart/classes.h"

namespace varnesk {

void AjustarColunas(ChartModel& chart, ChartState& state, float mean) {
  const int classes = state.scale.NumeroClasses;
  const auto c = static_cast<std::size_t>(classOfMean(mean, state.LimitesClasses, 1, classes));
  const auto count = static_cast<float>(++state.Frequencias[c]);
  const float bottom = chart.bottom();
  const float radius = state.RaioPonto;
  // Dots added one at a time sit half a radius plus 50 twips lower than a redrawn stack puts
  // them; the lowest dot never dips below the frame.
  float y = bottom - 2 * count * radius + radius / 2 + 50;
  if (y >= bottom) y = bottom - 2 * radius;
  chart.surface.push_back({state.CentroColuna[c], y, radius});
}

void redrawDots(ChartModel& chart, const ChartState& state, int shown) {
  chart.surface.clear();
  if (shown <= 1) return;
  const float bottom = chart.bottom();
  const float radius = state.RaioPonto;
  for (int i = 1; i <= state.scale.NumeroClasses; ++i) {
    const auto u = static_cast<std::size_t>(i);
    for (int m = 1; m <= static_cast<int>(state.Frequencias[u]); ++m)
      chart.surface.push_back(
          {state.CentroColuna[u], bottom - 2 * static_cast<float>(m) * radius, radius});
  }
}

}  // namespace varnesk
