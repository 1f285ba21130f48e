#pragma once
// One row of the comparison window's table, as the teacher reads it: n, the mean of the means,
// their standard deviation, the standard error, the corrected one and the ratio.
#include <array>
#include <string>

#include "engine/comparison.h"

namespace varnesk {

using ComparisonCells = std::array<std::string, 6>;

// The mean with 4 decimals, the spreads and the ratio with 4 significant digits ("-" for none),
// with the regional decimal separator.
ComparisonCells comparisonCells(const ComparisonRow& row, char separator);

}  // namespace varnesk
