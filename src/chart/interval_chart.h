#pragma once
// The picture of the confidence intervals window: the latest samples' intervals stacked one per
// row, the oldest at the bottom, against a vertical line at the population's mean μ, on an X
// axis of round steps. An interval that contains μ is a thin blue line with a dot at its sample's
// mean; one that misses is a thicker orange line with a × there: colour is never the only cue.
#include <cstdint>
#include <span>

#include "chart/drawing_list.h"
#include "common/controls.h"

namespace varnesk {

struct ShownInterval {
  double mean = 0, lower = 0, upper = 0;
  bool contains = true;
};

inline constexpr Color kIntervalHit = Color::rgb(0, 114, 178);
inline constexpr Color kIntervalMiss = Color::rgb(213, 94, 0);

// `rows` intervals fit the chart's height (the latest `rows` samples); the X axis covers
// [low, high]; a drawing area `width` x `height` twips.
DrawingList intervalChart(std::span<const ShownInterval> latest, int rows, double mu, double low,
                          double high, double width, double height, const TextMeasure& measure,
                          char separator);

}  // namespace varnesk
