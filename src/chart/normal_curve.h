#pragma once
// The instant window's optional overlay: the normal curve that theory gives for the sample
// means, on the histogram's own percent axis.
#include <vector>

#include "chart/chart_model.h"

namespace varnesk {

// The points (twips) of N(mean, sd) as the percentage of means per class that it predicts,
// across the chart's classes, cut at the frame's top. Empty when sd is 0 or no run is shown.
std::vector<Point> normalCurve(const ChartModel& chart, const ChartState& state, double lowest,
                               double mean, double sd);

}  // namespace varnesk
