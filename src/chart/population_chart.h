#pragma once
// The population view's picture, drawn by the simulation windows' own chart code: the frame and
// grid, the X axis of class boundaries, the Y axis in percent and the red columns of the instant
// window, with the population mean as the blue mean line. A sample shown over it adds a dark
// green dot at each of its values, stacked on the base, and a dark green line at its mean.
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

inline constexpr Color kSampleColor = Color::rgb(0, 200, 0);
inline constexpr Color kSampleMeanColor = Color::rgb(0, 128, 0);

// The picture for a drawing area `width` x `height` twips, from its top left corner; only the
// dialog colour when the histogram has no class.
DrawingList populationChart(const PopulationHistogram& histogram,
                            const std::optional<SampleOverlay>& sample, double width, double height,
                            const TextMeasure& measure, char separator);

}  // namespace varnesk
