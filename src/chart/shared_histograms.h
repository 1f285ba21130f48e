#pragma once
// The comparison window's histograms: one per sample size, all on one fixed X axis, so that a
// student sees at a glance how the means narrow as the samples grow.
#include <span>
#include <vector>

namespace varnesk {

struct SharedHistograms {
  double start = 0, width = 0;  // the first class starts at start; every class is width wide
  std::vector<std::vector<int>> counts;  // per series, the means in each class
};

// `classes` classes from the smallest to the largest value of all the series and of `mean`
// (the population mean, which the axis always shows).
SharedHistograms sharedHistograms(std::span<const std::vector<float>> series, double mean,
                                  int classes);

// Round values for about `howMany` labels of an axis from `lowest` to `highest`: multiples of 1,
// 2 or 5 times a power of ten.
std::vector<double> axisMarks(double lowest, double highest, int howMany);

}  // namespace varnesk
