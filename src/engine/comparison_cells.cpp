#include "engine/comparison_cells.h"

#include "common/number_text.h"

namespace varnesk {

ComparisonCells comparisonCells(const ComparisonRow& row, char separator) {
  return {std::to_string(row.n),
          formatFixed(row.mean, 4, separator),
          formatSignificant(row.sd, 4, separator),
          formatSignificant(row.theory.se, 4, separator),
          formatSignificant(row.theory.correctedSe, 4, separator),
          formatSignificant(row.ratio(), 4, separator)};
}

}  // namespace varnesk
