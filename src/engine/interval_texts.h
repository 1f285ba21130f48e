#pragma once
// What the interval windows and varnesk-sim say about intervals, in Portuguese, with the
// regional decimal separator: the running coverage, the misses on each side, the quantile used,
// and the CSV of every interval.
#include <cstdint>
#include <string>

#include "engine/csv_header.h"
#include "engine/interval_run.h"

namespace varnesk {

// "948 de 1.000 intervalos contêm μ (94,8 %) · nível 95 %"
std::string coverageLine(const Coverage& coverage, int level, char separator);
// "Erram 3 intervalos abaixo de μ e 2 acima"
std::string missesLine(const Coverage& coverage, char separator);
// "t = 2,262 (9 graus de liberdade) · correção √((N − n)/(N − 1)) = 0,999"
std::string quantileLine(const IntervalRun& run, char separator);
// "a 95 %, t com 9 graus de liberdade": how a saved file names the interval's law.
std::string lawName(const IntervalOptions& options, std::int32_t n);

// The header (csv_header.h), the level, law and correction, then one row per sample of the
// first `shown`: its number, mean, standard deviation, the interval's ends and whether it
// contains μ ("sim" or "não"), with a decimal comma.
std::string intervalsCsv(CsvHeader header, const IntervalRun& run, std::int32_t shown);

}  // namespace varnesk
