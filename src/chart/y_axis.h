#pragma once
// The Y axis: a whole-number top, three to five bands, captioned grid lines.
#include <span>

#include "chart/chart_model.h"
#include "common/controls.h"

namespace varnesk {

// Instant window: turns the counts of classes 0..NumeroClasses into percentages of `count`
// means, builds the axis in percent and gives every column the height of its percentage.
void MontarEixoY(ChartModel& chart, ChartState& state, int count, const TextMeasure& measure,
                 char separator);

// Step-by-step window: counts `stage` (the stored means that the current stage will show) into
// classes, builds the axis in numbers of means for the largest class, keeps the dot radius,
// and redraws one dot per mean already shown (the counts in Frequencias) on the new scale.
void MontarEixoY(ChartModel& chart, ChartState& state, std::span<const float> stage, int shown,
                 const TextMeasure& measure, char separator);

}  // namespace varnesk
