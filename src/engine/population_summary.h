#pragma once
// What a teacher checks after loading a population: its size and spread, and how the file was
// read, so that a wrong column or a wrong decimal mark shows before any sample is drawn.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/population.h"

namespace varnesk {

struct PopulationSummary {
  std::int32_t count = 0;
  double mean = 0.0;
  double standardDeviation = 0.0;  // with divisor N: the population's own spread
  double minimum = 0.0;
  double maximum = 0.0;
};

PopulationSummary summarize(const Population& population);

// "Caption: value" lines, in Portuguese; the numbers with 9 significant digits and `decimal`
// as their decimal separator.
std::vector<std::string> describe(const PopulationSummary& summary, const PopulationFormat& format,
                                  char decimal);

}  // namespace varnesk
