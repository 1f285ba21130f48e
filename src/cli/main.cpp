// varnesk-sim: one run of the instant window, or one per sample size of a comparison, from the
// command line; or the population alone, described.
#include <variant>

#include "cli/run_comparison.h"
#include "cli/run_describe.h"
#include "cli/run_intervals.h"
#include "cli/run_sample.h"
#include "cli/sim_options.h"

int main(int argc, char** argv) {
  using namespace varnesk;
  const std::variant<SimOptions, ExitStatus> read = readSimOptions(argc, argv);
  if (const auto* status = std::get_if<ExitStatus>(&read)) return static_cast<int>(*status);
  const SimOptions& options = std::get<SimOptions>(read);
  if (options.describe) return static_cast<int>(runDescribe(options));
  if (options.plan) return static_cast<int>(runPlan(options));
  if (!options.intervals.empty()) return static_cast<int>(runIntervals(options));
  return static_cast<int>(options.compare ? runComparison(options) : runSample(options));
}
