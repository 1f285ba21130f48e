#pragma once
#include "cli/exit_status.h"
#include "cli/sim_options.h"

namespace varnesk {

// varnesk-sim -n: one run of the instant window, printed as its panel, its means or its
// histogram's classes.
ExitStatus runSample(const SimOptions& options);

}  // namespace varnesk
