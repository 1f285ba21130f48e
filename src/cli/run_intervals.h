#pragma once
#include "cli/exit_status.h"
#include "cli/sim_options.h"

namespace varnesk {

// varnesk-sim --intervalos: each sample's confidence interval, their coverage, or with
// --comparar the coverage with and without the correction per sample size.
ExitStatus runIntervals(const SimOptions& options);

// varnesk-sim --planejar E: the sample size for a margin of error; with -r, checked by
// simulation.
ExitStatus runPlan(const SimOptions& options);

}  // namespace varnesk
