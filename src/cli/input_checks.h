#pragma once
// The checks of varnesk-sim's numbers: the same as the configuration screen and the instant
// window make, and the seed, which only the command line takes.
#include <cstdint>
#include <optional>
#include <string>

#include "cli/sim_options.h"

namespace varnesk {

// The message for a sample size or a number of repetitions out of range, checked in the
// order the windows check them; nothing when both pass.
std::optional<std::string> checkInputs(const std::string& sampleSize,
                                       const std::string& repetitions);

// The message for a seed that is not a whole 64-bit number; without -s, a seed from the clock.
std::optional<std::string> checkSeed(const SimOptions& options, std::uint64_t& seed);

}  // namespace varnesk
