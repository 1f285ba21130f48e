#pragma once
// The comparison window's table for a spreadsheet, as the means are written: fields separated
// by ';', a decimal comma, UTF-8 with a byte-order mark, a header that says where the rows came
// from, then the table's headings and its rows.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/comparison_cells.h"

namespace varnesk {

struct ComparisonCsvHeader {
  std::string file;  // the population file
  std::int32_t N = 0;
  std::string R;  // as typed
  // The run, as `varnesk-sim --comparar -s seed --simulacao run` draws it again.
  std::uint64_t seed = 0;
  int run = 1;
};

// `headings`: the table's column headings, tab-separated; `rows` written with a decimal comma.
std::string comparisonCsv(const ComparisonCsvHeader& header, const std::string& headings,
                          const std::vector<ComparisonCells>& rows);

}  // namespace varnesk
