#pragma once
#include "cli/exit_status.h"
#include "cli/sim_options.h"

namespace varnesk {

// varnesk-sim --descrever: the population read and how, one "Caption: value" a line.
ExitStatus runDescribe(const SimOptions& options);

}  // namespace varnesk
