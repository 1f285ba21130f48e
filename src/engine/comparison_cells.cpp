#include "engine/comparison_cells.h"

#include "common/number_text.h"

namespace varnesk {

ComparisonCells comparisonCells(const ComparisonRow& row, char separator) {
  const std::array<double, 6> values{static_cast<double>(row.n), row.mean,   row.sd, row.theory.se,
                                     row.theory.correctedSe,     row.ratio()};
  ComparisonCells cells;
  for (std::size_t i = 0; i < cells.size(); ++i)
    cells[i] = kComparisonDecimals[i] == 0
                   ? std::to_string(row.n)
                   : formatFixed(values[i], kComparisonDecimals[i], separator);
  return cells;
}

}  // namespace varnesk
