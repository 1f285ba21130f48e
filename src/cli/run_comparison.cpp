#include "cli/run_comparison.h"

#include <cstdio>

#include "cli/input_checks.h"
#include "cli/sim_output.h"
#include "common/number_text.h"
#include "engine/comparison.h"
#include "engine/configuration.h"
#include "engine/population.h"
#include "engine/run_seeder.h"

namespace varnesk {

// The comparison window's checks in its order: the list, the repetitions, the population, each
// size against it. The seed, which the window does not take, comes after the list.
ExitStatus runComparison(const SimOptions& options) {
  const SampleSizeList list = parseSampleSizes(options.sampleSizes);
  if (!list.error.empty()) return refuse(ExitStatus::BadInput, "--comparar: " + list.error);
  std::uint64_t seed = 0;
  if (const auto problem = checkSeed(options, seed)) return refuse(ExitStatus::BadInput, *problem);
  const double R = parseLeadingNumber(options.repetitions);
  if (const auto problem = instantRepetitionsProblem(R))
    return refuse(ExitStatus::BadInput, *problem);

  Population population;
  if (const PopulationReading reading = readPopulation(options, population); !reading.ok)
    return refuse(ExitStatus::PopulationRefused, reading.message);
  // Unlike -n, a size too large for the population is a bad item of the list.
  if (const std::string problem = refuseSampleSizes(list.sizes, population); !problem.empty())
    return refuse(ExitStatus::BadInput, "--comparar: " + problem);

  const std::string out =
      comparisonText(compareSampleSizes(population, list.sizes, R, runSeed(seed, options.run)));
  std::fputs(out.c_str(), stdout);
  return ExitStatus::Done;
}

}  // namespace varnesk
