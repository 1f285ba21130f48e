#include "cli/run_sample.h"

#include <cstdio>

#include "cli/input_checks.h"
#include "cli/sim_output.h"
#include "common/number_text.h"
#include "engine/population.h"
#include "engine/run_seeder.h"
#include "engine/sampling_run.h"

namespace varnesk {

ExitStatus runSample(const SimOptions& options) {
  std::uint64_t seed = 0;
  if (const auto problem = checkSeed(options, seed)) return refuse(ExitStatus::BadInput, *problem);
  if (const auto problem = checkInputs(options.sampleSize, options.repetitions))
    return refuse(ExitStatus::BadInput, *problem);
  const double n = parseLeadingNumber(options.sampleSize);
  const double r = parseLeadingNumber(options.repetitions);

  Population population;
  if (const PopulationReading reading = readPopulation(options, population); !reading.ok)
    return refuse(ExitStatus::PopulationRefused, reading.message);
  if (const auto problem = refuseSampleSize(n, population))
    return refuse(ExitStatus::PopulationRefused, *problem);

  SamplingRun run;
  GerarAmostras(population, n, r, runSeed(seed, options.run), MeanPrecision::Single, run);
  std::string out;
  if (options.means) {
    out = meansText(run);
  } else if (options.histogram) {
    out = histogramText(run);
  } else {
    const Statistics statistics =
        CalcularEstatisticas(run.sortedMeans.values(), run.MediaGeral, MeanPrecision::Single, '.');
    for (const std::string& line : panelLines(statistics)) out += line + '\n';
  }
  std::fputs(out.c_str(), stdout);
  return ExitStatus::Done;
}

}  // namespace varnesk
