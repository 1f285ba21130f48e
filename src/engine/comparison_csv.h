#pragma once
// The comparison window's table for a spreadsheet, as the means are written: fields separated
// by ';', a decimal comma, UTF-8 with a byte-order mark, a header that says where the rows came
// from, then the table's headings and its rows.
#include <string>
#include <vector>

#include "engine/comparison_cells.h"
#include "engine/csv_header.h"

namespace varnesk {

// `headings`: the table's column headings, tab-separated; `rows` written with a decimal comma.
std::string comparisonCsv(const CsvHeader& header, const std::string& headings,
                          const std::vector<ComparisonCells>& rows);

}  // namespace varnesk
