#pragma once
#include "chart/chart_model.h"

namespace varnesk {

// Brings every grid line, axis label and column into a starting layout derived from the plot
// frame, hides them all, and empties the class counts of the classes the chart can show.
void MontarGrade(ChartModel& chart, ChartState& state);

}  // namespace varnesk
