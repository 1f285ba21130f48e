#pragma once
// The population store of a simulation window and the reading of populacao.txt.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>
#include "common/limits.h"

#include "engine/huge_pages.h"

namespace varnesk {

// Larger magnitudes are refused. Below 2^23 every multiple of 0.5 is a single-precision value,
// so a mean kept in single precision never falls below the chart's lowest class boundary,
// which is taken from the double-precision means; and no sum of squares of the statistics
// leaves the single-precision range. A million percent is far beyond any loss rate.
inline constexpr double kMaxAbsoluteValue = 1e6;

struct Population {
  // Positions 1 to TamanhoPopulacao hold the file's values in file order; slot 0 is never used.
  // Positions above TamanhoPopulacao keep what an earlier reading left there.
  HugePageVector<double> Populacao = HugePageVector<double>(kMaxPopulation + 1, 0.0);
  std::int32_t TamanhoPopulacao = 0;
};

struct PopulationReading {
  bool ok = false;
  double sum = 0.0;     // sum of the values read, in file order
  std::string message;  // why nothing was loaded, in Portuguese, when !ok
};

// Reads the whole file into `store`. Values are separated by line breaks (LF, CRLF or CR) or
// commas; blanks around a value and blank lines are ignored; a UTF-8 byte-order mark is
// skipped. A file without any period whose every value line holds exactly one comma is one
// value per line with a decimal comma, as spreadsheets set to Portuguese write it. On any problem
// nothing of `store` changes and the message names the file and, for a bad field, its line and
// text.
PopulationReading LerPopulacao(const std::filesystem::path& file, Population& store);

// Same rules on text already in memory; `fileName` only serves the messages.
PopulationReading readPopulationBytes(std::string_view text, const std::string& fileName,
                                      Population& store);

// populacao.txt in the folder of the running program.
std::filesystem::path defaultPopulationPath();

}  // namespace varnesk
