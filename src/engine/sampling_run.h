#pragma once
// The sampling run of a simulation window: R samples of n values, their means in draw order
// and in ascending order, the mean of the means and the chart's value range.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "stats/sorted_means.h"
#include "stats/statistics.h"

namespace varnesk {

struct Population;

struct SamplingRun {
  std::vector<float> Medias = std::vector<float>(kMaxMeans + 1, 0.0f);  // 1..R
  SortedMeans sortedMeans;
  double MediaGeral = 0.0;  // rounded to single precision in the instant window
  double MenorMedia = 0.0;  // multiples of 0.5 around the smallest and largest mean
  double MaiorMedia = 0.0;
};

// A counted loop from 1 to v runs over the whole numbers 1 <= k <= v, also when v has a
// fraction: this is how many.
std::int32_t wholeCount(double v, std::int32_t limit);

// Why a run of sample size n cannot be drawn from the population (more values asked for than
// it holds), or nothing when it can.
std::optional<std::string> refuseSampleSize(double n, const Population& population);

// Draws the run: floor(R) samples of floor(n) values (the caller has checked both, and n
// against the population with refuseSampleSize). Each mean is the sample's sum over the number
// of values drawn. Appends every mean to run.sortedMeans (the caller empties it first).
void GerarAmostras(const Population& population, double n, double R, std::uint64_t seed,
                   MeanPrecision precision, SamplingRun& run, unsigned threads = 0);

}  // namespace varnesk
