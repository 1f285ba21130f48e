#pragma once
// The population store of a simulation window and the reading of populacao.txt.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>
#include "common/limits.h"

#include "engine/huge_pages.h"
#include "engine/population_format.h"
#include "engine/population_source.h"
#include "engine/read_options.h"

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
  double sum = 0.0;         // sum of the values read, in file order
  std::string message;      // why nothing was loaded, in Portuguese, when !ok
  PopulationFormat format;  // how the file was read, when ok
  std::int32_t count = 0;   // values read, when ok
};

// Reads the whole file into `store`, as a spreadsheet writes it: one column or several,
// separated by commas, semicolons or tabs; an optional header line; quoted fields; a decimal
// point or a decimal comma; a UTF-8 byte-order mark; LF, CRLF or CR line ends; blank lines and
// blanks around a value ignored. How each is told apart is in format_detection.h. A file of
// several columns is read only in the column `options` names. On any problem nothing of `store`
// changes and the message names the file and, for a bad field, its line and text.
PopulationReading LerPopulacao(const std::filesystem::path& file, Population& store,
                               const ReadOptions& options = {});
// The same of a window's population, its messages naming it as the teacher knows it.
PopulationReading LerPopulacao(const PopulationSource& source, Population& store);

// Same rules on text already in memory; `fileName` only serves the messages.
PopulationReading readPopulationBytes(std::string_view text, const std::string& fileName,
                                      Population& store, const ReadOptions& options = {});

// A file's whole text, or why it cannot be read (a folder, a device, no such file), in the
// reader's words.
struct PopulationFileText {
  bool ok = false;
  // The file's bytes: a buffer on huge pages, as large populations fill several megabytes.
  HugePageVector<char> bytes;
  std::size_t length = 0;
  std::string message;

  std::string_view text() const { return {bytes.data(), length}; }
};
PopulationFileText readPopulationFile(const std::filesystem::path& file);

// populacao.txt in the folder of the running program.
std::filesystem::path defaultPopulationPath();

}  // namespace varnesk
