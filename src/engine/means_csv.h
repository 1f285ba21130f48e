#pragma once
// What a teacher takes out of a simulation window: the means for a spreadsheet and the seven
// statistics for the clipboard.
#include <cstdint>
#include <span>
#include <string>

#include "engine/window_model.h"

namespace varnesk {

struct CsvHeader {
  std::string file;  // the population file
  std::int32_t N = 0;
  std::string n, R;  // as the window shows them
  std::uint64_t seed = 0;
  int run = 0;  // which run of the seed: varnesk-sim -s seed --simulacao run
};

// A field as the CSVs write it: quoted when it holds the separator, a quote or a line break.
std::string csvField(const std::string& text);

// For a spreadsheet set to Portuguese: fields separated by ';', a decimal comma, UTF-8 with a
// byte-order mark so that the accents survive. A header records where the means came from,
// then one row per mean in the order drawn.
std::string meansCsv(const CsvHeader& header, std::span<const float> means);

// Two tab-separated rows, the captions and the values as the panel shows them, that paste into
// a spreadsheet as seven cells each.
std::string tabulatedStatistics(const WindowModel& modelo);

}  // namespace varnesk
