#pragma once
// The classes of a population's own histogram. The simulation windows' scale table is made for
// ranges of means a few units wide; a teacher's population may span anything, so its classes
// are round widths (1, 2 or 5 times a power of ten) that cover its range in about twenty.
#include <cstdint>
#include <span>
#include <vector>

#include "chart/scale.h"

namespace varnesk {

struct PopulationHistogram {
  double start = 0.0;  // where class 0 starts, a multiple of the class width
  Scale scale;         // classes 0..NumeroClasses of AmplitudeClasse; the largest value in the last
  std::vector<int> counts;  // values per class, 0..NumeroClasses
  std::int32_t count = 0;   // values counted
  double mean = 0.0;        // the population mean, where the mean line stands
  int labelEvery = 1;       // an X label on every boundary that is a multiple of this many classes
  int labelDecimals = 1;    // decimals of those labels
};

// Nothing to draw (no class) for an empty population.
PopulationHistogram populationHistogram(std::span<const double> values, double mean);

}  // namespace varnesk
