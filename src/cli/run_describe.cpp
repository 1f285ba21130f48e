#include "cli/run_describe.h"

#include <cstdio>

#include "engine/population_summary.h"

namespace varnesk {

ExitStatus runDescribe(const SimOptions& options) {
  Population population;
  const PopulationReading reading = readPopulation(options, population);
  if (!reading.ok) return refuse(ExitStatus::PopulationRefused, reading.message);
  std::string out;
  for (const std::string& line : describe(summarize(population), reading.format, '.'))
    out += line + '\n';
  std::fputs(out.c_str(), stdout);
  return ExitStatus::Done;
}

}  // namespace varnesk
