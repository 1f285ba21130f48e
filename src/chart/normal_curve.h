#pragma once
// The simulation windows' optional overlay: the normal curve that theory gives for the sample
// means, on the histogram's own axis (percent of the means, or numbers of means).
#include <vector>

#include "chart/chart_model.h"

namespace varnesk {

// The points (twips) of N(mean, sd) as what it predicts per class out of `means` means
// (100 for a percent axis), across the chart's classes, cut at the frame's top; the Y axis's
// EscalaY turns that into twips. Empty when sd is 0 or no axis is built.
std::vector<Point> normalCurve(const ChartModel& chart, const ChartState& state, double lowest,
                               double mean, double sd, double means);

}  // namespace varnesk
