#include "cli/input_checks.h"

#include "common/number_text.h"
#include "engine/configuration.h"
#include "engine/run_seeder.h"

namespace varnesk {

std::optional<std::string> checkInputs(const std::string& sampleSize,
                                       const std::string& repetitions) {
  const double n = parseLeadingNumber(sampleSize);
  const double r = parseLeadingNumber(repetitions);
  if (const auto problem = sampleSizeProblem(n)) return std::string(*problem);
  if (const auto problem = instantRepetitionsProblem(r)) return std::string(*problem);
  return std::nullopt;
}

std::optional<std::string> checkSeed(const SimOptions& options, std::uint64_t& seed) {
  seed = clockSeed();
  if (options.seedGiven && !parseSeed(options.seed, seed))
    return "--semente: \"" + options.seed + "\" não é um inteiro de 0 a 18446744073709551615";
  return std::nullopt;
}

}  // namespace varnesk
