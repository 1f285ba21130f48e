#pragma once
// What varnesk-sim prints on the standard output, one text per kind of run.
#include <string>
#include <vector>

#include "engine/comparison.h"
#include "engine/sampling_run.h"
#include "stats/statistics.h"

namespace varnesk {

// The panel as seven lines "Caption: value", left to right as the window shows it.
std::vector<std::string> panelLines(const Statistics& estatisticas);

// The means in the order drawn, one a line, with 9 significant digits.
std::string meansText(const SamplingRun& run);

// One line per class of the instant window: index, lower boundary, number of means.
std::string histogramText(const SamplingRun& run);

// One line per sample size: the spread of the means beside the standard error of theory, with
// six significant digits.
std::string comparisonText(const std::vector<ComparisonRow>& rows);

}  // namespace varnesk
