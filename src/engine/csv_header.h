#pragma once
// What every CSV a teacher saves starts with, for a spreadsheet set to Portuguese: a byte-order
// mark so that the accents survive, then where its rows came from (the population, n when one
// size drew them, R, and the seed's run, as `varnesk-sim -s seed --simulacao run` draws it
// again), one field per line after its caption, and a blank line. Fields are separated by ';'.
#include <cstdint>
#include <optional>
#include <string>

namespace varnesk {

struct CsvHeader {
  std::string file;  // the population file
  std::int32_t N = 0;
  std::optional<std::string> n;  // as the window shows it; none for a comparison of sizes
  std::string R;                 // as the window shows it, or as typed
  std::uint64_t seed = 0;
  int run = 0;  // which run of the seed, from 1
};

std::string csvHeaderText(const CsvHeader& header);

// A field as the CSVs write it: quoted when it holds the separator, a quote or a line break.
std::string csvField(const std::string& text);

}  // namespace varnesk
