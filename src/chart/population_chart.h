#pragma once
// The population view's picture, drawn by the simulation windows' own chart code: the frame and
// grid, the X axis of class boundaries, the Y axis in percent and the red columns of the instant
// window, with the population mean as the blue mean line, solid. A sample shown with it takes a
// band of its own under the X axis, so that its marks never hide a column: an orange dot per
// value (or per few values, when a stack would not fit the band), stacked where values lie close,
// under a line that says so; its mean is a dashed vermillion line across the histogram and the
// band.
#include <optional>
#include <span>

#include "chart/drawing_list.h"
#include "chart/population_histogram.h"
#include "common/controls.h"

namespace varnesk {

struct SampleOverlay {
  std::span<const double> values;
  double mean = 0.0;
};

// Orange and vermillion from a palette that colour-blind students tell from the blue and the red.
inline constexpr Color kSampleColor = Color::rgb(230, 159, 0);
inline constexpr Color kSampleMeanColor = Color::rgb(213, 94, 0);
// The sample's band: its caption's line, then the dots.
inline constexpr double kSampleBand = 1050;
inline constexpr double kSampleCaption = 210;

// The picture for a drawing area `width` x `height` twips, from its top left corner; only the
// dialog colour when the histogram has no class.
DrawingList populationChart(const PopulationHistogram& histogram,
                            const std::optional<SampleOverlay>& sample, double width, double height,
                            const TextMeasure& measure, char separator);

}  // namespace varnesk
