#pragma once
// What a teacher takes out of a simulation window: the means for a spreadsheet and the seven
// statistics for the clipboard.
#include <array>
#include <span>
#include <string>

#include "engine/csv_header.h"

namespace varnesk {

// The header (csv_header.h), then one row per mean in the order drawn, with a decimal comma.
std::string meansCsv(const CsvHeader& header, std::span<const float> means);

// Two tab-separated rows, the captions and the values as the panel shows them (left to right),
// that paste into a spreadsheet as seven cells each.
std::string tabulatedStatistics(const std::array<std::string, 7>& panel);

}  // namespace varnesk
