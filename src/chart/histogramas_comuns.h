#pragma once
// The comparison window's histograms: one per sample size, all on one fixed X axis, so that a
// student sees at a glance how the means narrow as the samples grow.
#include <span>
#include <vector>

namespace varnesk {

struct SharedHistograms {
  double inicio = 0, largura = 0;  // the first class starts at inicio; every class is largura wide
  std::vector<std::vector<int>> contagens;  // per series, the means in each class
};

// `classes` classes from the smallest to the largest value of all the series and of `media`
// (the population mean, which the axis always shows).
SharedHistograms sharedHistograms(std::span<const std::vector<float>> series, double media,
                                    int classes);

// Round values for about `quantas` labels of an axis from `menor` to `maior`: multiples of 1, 2
// or 5 times a power of ten.
std::vector<double> axisMarks(double menor, double maior, int quantas);

}  // namespace varnesk
