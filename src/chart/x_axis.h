#pragma once
// The X axis: class slots across the frame, boundary labels, grid lines, and the counting of
// the run's means into classes.
#include <span>

#include "chart/chart_model.h"
#include "chart/chart_traits.h"
#include "common/controls.h"

namespace varnesk {

struct XAxisInput {
  std::span<const float> sortedMeans;  // the run's means, ascending
  double MenorMedia = 0;               // the chart's lower limit, where the first class starts
  float MediaPopulacao = 0;            // where the population mean's line stands
};

// Instant window: classes 0..NumeroClasses, then the Y axis in percent and the columns raised
// on the frame's bottom edge. Step-by-step window: classes 1..NumeroClasses, class centres,
// boundaries and the mean line; no Y axis.
void MontarEixoX(const ChartTraits& traits, ChartModel& chart, ChartState& state,
                 const XAxisInput& input, const TextMeasure& measure, char separator);

// Whether a vertical line stands over the chart's frame.
bool insideFrame(const ChartModel& chart, const Line& line);

}  // namespace varnesk
