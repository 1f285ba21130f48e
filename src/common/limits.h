#pragma once
// The sizes that bound every run, named once: what the windows accept and how large the run
// state's arrays are.
#include <cstddef>
#include <cstdint>

namespace varnesk {

inline constexpr std::int32_t kMaxPopulation = 578000;  // values a population file may hold
inline constexpr int kMaxSampleSize = 50000;            // values in one sample
inline constexpr std::int32_t kMaxMeans = 5000;  // means in one run: the instant window's limit
inline constexpr int kMinStepByStepMeans = 100;  // means in a step-by-step run
inline constexpr int kMaxStepByStepMeans = 1000;

// The chart's arrays: class counts, class boundaries and centres, axis labels and grid lines,
// and the instant window's columns.
inline constexpr std::size_t kFrequencySlots = 51;
inline constexpr std::size_t kBoundarySlots = 101;
inline constexpr std::size_t kCentreSlots = 201;
inline constexpr std::size_t kYLabels = 6;
inline constexpr std::size_t kXLabels = 41;
inline constexpr std::size_t kColumns = 72;

}  // namespace varnesk
