#pragma once
// The comparison window's picture: one histogram of the means per sample size, stacked in bands
// on one fixed X axis with the population mean marked, so the narrowing is seen at a glance.
#include <cstdint>
#include <span>

#include "chart/drawing_list.h"
#include "chart/shared_histograms.h"

namespace varnesk {

// Fine enough to show a histogram's shape in a band a few dozen pixels high.
inline constexpr int kComparisonClasses = 60;

// The picture for a drawing area `width` x `height` twips, in twips from the area's top left
// corner: white, then per sample size its label "n = ...", its bars and its base line, then the
// axis with its marks, then the population mean's line. `histograms` holds one series per size.
DrawingList comparisonChart(std::span<const std::int32_t> sizes, const SharedHistograms& histograms,
                            double populationMean, double width, double height, char separator);

}  // namespace varnesk
