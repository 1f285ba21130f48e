#pragma once
// The checks of the configuration screen (Form3) before it opens a simulation window.
#include <optional>
#include <string>
#include <string_view>

#include "common/platform.h"

namespace varnesk {

// The message for a sample size out of 1..50000, checked the same way wherever it is typed.
std::optional<std::string_view> sampleSizeProblem(double n);

// The message for repetitions out of 1..5000, the instant window's own check of its run.
std::optional<std::string_view> instantRepetitionsProblem(double r);

enum class WindowToOpen { None, Instant, StepByStep };

// Click of "Instantâneo": sample size 1..50000, repetitions at least 1; more than 1000 draws
// a warning and still opens the instant window.
WindowToOpen instantClicked(const std::string& sampleSize, const std::string& repetitions,
                            Platform& platform);

// Click of "Passo a Passo": sample size 1..50000, repetitions 100..1000.
WindowToOpen stepByStepClicked(const std::string& sampleSize, const std::string& repetitions,
                               Platform& platform);

}  // namespace varnesk
