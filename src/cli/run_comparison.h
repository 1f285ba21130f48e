#pragma once
#include "cli/exit_status.h"
#include "cli/sim_options.h"

namespace varnesk {

// varnesk-sim --comparar: one run per sample size of the list, printed as a table.
ExitStatus runComparison(const SimOptions& options);

}  // namespace varnesk
