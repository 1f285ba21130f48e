#pragma once
// One row of the comparison window's table, as the teacher reads it: n, the mean of the means,
// their standard deviation, the standard error, the corrected one and the ratio.
#include <array>
#include <string>

#include "engine/comparison.h"

namespace varnesk {

using ComparisonCells = std::array<std::string, 6>;

// Each column with its own fixed number of decimals, so that the digits of a column line up
// when right-aligned: n whole, the mean, the spreads and the standard errors with 4, the ratio
// with 3 ("-" for none); with the given decimal separator.
inline constexpr std::array<int, 6> kComparisonDecimals{0, 4, 4, 4, 4, 3};
ComparisonCells comparisonCells(const ComparisonRow& row, char separator);

}  // namespace varnesk
