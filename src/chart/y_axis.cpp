#include "chart/y_axis.h"

#include <algorithm>
#include <cmath>

#include "chart/classes.h"
#include "chart/dots.h"
#include "common/number_text.h"

namespace varnesk {
namespace {

struct YAxis {
  long TopoEscala = 0;
  int NumeroDivisoes = 0;
};

int bandsFor(long top) {
  switch (top) {
    case 10:
    case 20:
    case 40:
    case 60:
    case 80:
    case 100: return 4;
    case 15: return 3;
    default: return 5;
  }
}

// Picks the top of the axis for the largest class value, moves and captions the grid lines and
// labels up to that top, and hides those above it (left over from a scale with more bands).
YAxis buildAxis(ChartModel& chart, double largest, long multiple, const TextMeasure& measure,
                char separator) {
  YAxis axis;
  axis.TopoEscala = static_cast<long>(roundHalfEven(largest));
  while (axis.TopoEscala % multiple != 0) ++axis.TopoEscala;
  // An empty histogram would give a top of 0 and a scale divided by zero.
  axis.TopoEscala = std::max(axis.TopoEscala, multiple);
  axis.NumeroDivisoes = bandsFor(axis.TopoEscala);
  const double step = static_cast<double>(axis.TopoEscala) / axis.NumeroDivisoes;
  const float bandHeight = chart.Shape1.height / static_cast<float>(axis.NumeroDivisoes);
  const float bottom = chart.bottom();

  for (int i = 0; i < static_cast<int>(chart.RotuloY.size()); ++i) {
    const auto u = static_cast<std::size_t>(i);
    Line& line = chart.LinhaGradeHorizontal[u];
    Label& label = chart.RotuloY[u];
    if (i > axis.NumeroDivisoes) {
      line.visible = label.visible = false;
      continue;
    }
    line.y1 = line.y2 = bottom - static_cast<float>(i) * bandHeight;
    line.visible = true;
    label.top = line.y1 - label.height / 2;
    label.visible = true;
    label.setCaption(formatGeneral(step * i, separator), measure);
    label.left = line.x1 - 10 - label.width;  // the new width: right edge 10 twips before the line
  }
  return axis;
}

}  // namespace

void MontarEixoY(ChartModel& chart, ChartState& state, int count, const TextMeasure& measure,
                 char separator) {
  const int classes = state.scale.NumeroClasses;
  count = std::max(count, 1);  // no means: every class stays at 0 %
  double largest = 0;
  for (int i = 0; i <= classes; ++i) {
    double& value = state.Frequencias[static_cast<std::size_t>(i)];
    value = value * 100 / count;
    if (value > largest) largest = value;
  }
  const YAxis axis = buildAxis(chart, largest, kInstantChart.axisMultiple, measure, separator);
  const auto& lines = chart.LinhaGradeHorizontal;
  const float scale = (lines[0].y1 - lines[static_cast<std::size_t>(axis.NumeroDivisoes)].y1) /
                      static_cast<float>(axis.TopoEscala);
  state.EscalaY = scale;
  for (int i = 0; i <= classes; ++i) {
    const auto u = static_cast<std::size_t>(i);
    chart.Coluna[u].height = static_cast<float>(state.Frequencias[u] * scale);
  }
}

void MontarEixoY(ChartModel& chart, ChartState& state, std::span<const float> stage, int shown,
                 const TextMeasure& measure, char separator) {
  const int classes = state.scale.NumeroClasses;
  std::array<int, kFrequencySlots> counts{};
  countMeans(stage, state.LimitesClasses, kStepByStepChart.firstClass + 1, classes, counts.data());
  const int largest = *std::max_element(counts.begin(), counts.begin() + classes + 1);

  const YAxis axis = buildAxis(chart, largest, kStepByStepChart.axisMultiple, measure, separator);
  const float scale = chart.Shape1.height / static_cast<float>(axis.TopoEscala);
  state.EscalaY = scale;
  state.RaioPonto = scale / 2;
  redrawDots(chart, state, shown);
}

}  // namespace varnesk
