#pragma once
// The precision lesson in one run: the same engine once per sample size, each run's spread of
// means beside the standard error that theory gives for it.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/limits.h"
#include "engine/standard_error.h"

namespace varnesk {

struct Population;

struct ComparisonRow {
  std::int32_t n = 0;
  double mean = 0;  // the mean of the run's means
  // Their standard deviation over R - 1, as the statistics panel's; NaN for one mean.
  double sd = 0;
  StandardError theory;
  std::vector<float> means;  // in the order drawn

  // sd over the corrected standard error; NaN when that is 0 (a sample of the whole population).
  double ratio() const;
};

struct SampleSizeList {
  std::vector<std::int32_t> sizes;
  std::string error;  // in Portuguese, when the list is refused
};

// "10, 100, 1000": whole numbers from 1 to `largest` (a sampling run's 50000), separated by
// commas or blanks, at most 8.
SampleSizeList parseSampleSizes(std::string_view text, std::int32_t largest = kMaxSampleSize);

// Why a size of the list cannot be drawn from the population, or nothing.
std::string refuseSampleSizes(std::span<const std::int32_t> sizes, const Population& population);

// The row of one size from its means, in the order drawn.
ComparisonRow comparisonRow(const Population& population, std::int32_t n, std::vector<float> means);

// The row of one size: floor(R) samples of n from `seed`.
ComparisonRow compareSampleSize(const Population& population, std::int32_t n, double R,
                                std::uint64_t seed);

// One run of floor(R) samples per size, in the order given, each from the same seed, so that a
// row holds the same means as a single run of that size with that seed.
std::vector<ComparisonRow> compareSampleSizes(const Population& population,
                                              std::span<const std::int32_t> sizes, double R,
                                              std::uint64_t seed);

}  // namespace varnesk
