#pragma once
// What the teacher sees of a file before it becomes the population: whether its commas need an
// answer, its columns and its first rows as written, to pick the column from.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/read_options.h"

namespace varnesk {

struct PopulationPreview {
  // The file's commas could separate columns or mark decimals: ask, then preview again with
  // the answer.
  bool ambiguousCommas = false;
  // Header names, or "Coluna k" where there is none; a single entry leaves nothing to choose.
  std::vector<std::string> columns;
  // The first lines of values, one field a column (empty where a line is short), as written.
  std::vector<std::vector<std::string>> rows;
  // The column to offer first: the first whose shown fields are all numbers.
  std::size_t suggested = 0;

  bool needsColumn() const { return columns.size() > 1; }
};

inline constexpr std::size_t kPreviewRows = 8;

// Of a file's text, its commas read as `commas` says when they are ambiguous.
PopulationPreview previewPopulation(std::string_view text, CommaAnswer commas,
                                    std::size_t rows = kPreviewRows);

}  // namespace varnesk
