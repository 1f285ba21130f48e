#include "chart/x_axis.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "chart/classes.h"
#include "chart/y_axis.h"
#include "common/number_text.h"

namespace varnesk {
namespace {

bool multipleOf(double value, int step) { return std::fmod(roundHalfEven(value), step) == 0; }

// The caption read back as a number, with the separator that the formatter wrote, so that the
// labels shown do not depend on the regional settings.
double captionValue(std::string caption, char separator) {
  for (char& c : caption)
    if (c == separator) c = '.';
  return parseLeadingNumber(caption);
}

// Slot i (0..NumeroClasses) shows class i; labels name each new caption that is a multiple of
// 0.5, and the first one always.
void layOutInstant(ChartModel& chart, const ChartState& state, double menor,
                   std::span<double> limits, const TextMeasure& measure, char separator) {
  const Rect& frame = chart.Shape1;
  const int classes = state.scale.NumeroClasses;
  const float slot = frame.width / static_cast<float>(classes + 1);
  std::string previous;
  for (int i = 0; i <= classes; ++i) {
    const auto u = static_cast<std::size_t>(i);
    const float left = frame.left + static_cast<float>(i) * slot;
    chart.Coluna[u].width = slot;
    chart.Coluna[u].left = left;
    limits[u] = menor + i * state.scale.AmplitudeClasse;
    Label& label = chart.RotuloX[u];
    label.left = left - label.width / 2;  // centred on the slot's left edge, by the old width
    label.setCaption(formatFixed(limits[u], 1, separator), measure);
    if (label.caption != previous) {
      previous = label.caption;
      label.visible = i == 0 || multipleOf(captionValue(label.caption, separator) * 10,
                                           state.scale.PassoRotulo);
    }
    Line& line = chart.LinhaGradeVertical[u];
    line.x1 = line.x2 = left + slot;
    line.visible = true;
  }
}

// Slot i - 1 shows class i (1..NumeroClasses); the last slot stays empty.
float layOutStep(ChartModel& chart, ChartState& state, double menor, std::span<double> limits,
                 const TextMeasure& measure, char separator) {
  const Rect& frame = chart.Shape1;
  const int classes = state.scale.NumeroClasses;
  const float slot = frame.width / static_cast<float>(classes + 1);
  for (int i = 1; i <= classes; ++i) {
    const auto u = static_cast<std::size_t>(i);
    const auto fi = static_cast<float>(i);
    state.CentroColuna[u] = frame.left + fi * slot - slot / 2;
    limits[u] = menor + (i - 1) * state.scale.AmplitudeClasse;
    Label& label = chart.RotuloX[u];
    label.left = frame.left + (fi - 1) * slot - label.width / 2;
    label.setCaption(formatFixed(limits[u], 1, separator), measure);
    Line& line = chart.LinhaGradeVertical[u];
    line.x1 = line.x2 = frame.left + fi * slot;
    line.visible = true;
    if (multipleOf(limits[u] * 100, state.scale.PassoRotulo)) label.visible = true;
  }
  return slot;
}

void placeMeanLine(ChartModel& chart, std::span<const double> limits, int classes, float slot,
                   float populationMean) {
  const Line& first = chart.LinhaGradeVertical[1];
  const Line& last = chart.LinhaGradeVertical[static_cast<std::size_t>(classes)];
  const double unit =
      (last.x1 - first.x1) / (limits[static_cast<std::size_t>(classes)] - limits[1]);
  Line& mean = chart.MediaLIN;
  mean.x1 = mean.x2 = static_cast<float>((populationMean - limits[1]) * unit + first.x1 - slot);
  mean.y1 = first.y1;
  mean.y2 = first.y2;
}

// Slot i holds class i, from menor + i·AmplitudeClasse: the mean stands where its value falls in
// its slot, from the frame's top to its bottom edge. Kept hidden when it falls outside the frame.
void placeInstantMeanLine(ChartModel& chart, const ChartState& state, double menor,
                          float populationMean) {
  const Rect& frame = chart.Shape1;
  const float slot = frame.width / static_cast<float>(state.scale.NumeroClasses + 1);
  Line& mean = chart.MediaLIN;
  mean.x1 = mean.x2 =
      frame.left +
      static_cast<float>((populationMean - menor) / state.scale.AmplitudeClasse) * slot;
  mean.y1 = frame.top;
  mean.y2 = frame.top + frame.height;
}

}  // namespace

bool insideFrame(const ChartModel& chart, const Line& line) {
  const Rect& frame = chart.Shape1;
  return line.x1 >= frame.left && line.x1 <= frame.left + frame.width;
}

void MontarEixoX(const ChartTraits& traits, ChartModel& chart, ChartState& state,
                 const XAxisInput& input, const TextMeasure& measure, char separator) {
  std::array<double, kBoundarySlots> limits{};
  const int classes = state.scale.NumeroClasses;
  // A mean on a boundary goes to the class above it; below the first tested boundary, to the
  // first class.
  const auto count = [&] {
    countMeans(input.sortedMeans, limits, traits.firstClass + 1, classes, state.Frequencias.data());
  };
  if (traits.percentAxis) {
    layOutInstant(chart, state, input.MenorMedia, limits, measure, separator);
    placeInstantMeanLine(chart, state, input.MenorMedia, input.MediaPopulacao);
    count();
    MontarEixoY(chart, state, static_cast<int>(input.sortedMeans.size()), measure, separator);
    for (int i = 0; i <= classes; ++i) {
      Rect& column = chart.Coluna[static_cast<std::size_t>(i)];
      column.height = std::min(column.height, chart.Shape1.height);
      column.top -= column.height;  // stands on the frame's bottom edge
      column.visible = true;
    }
  } else {
    const float slot = layOutStep(chart, state, input.MenorMedia, limits, measure, separator);
    placeMeanLine(chart, limits, classes, slot, input.MediaPopulacao);
    count();
    state.LimitesClasses = limits;
  }
}

}  // namespace varnesk
