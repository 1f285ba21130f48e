#include "engine/chart_caption.h"

#include "common/number_text.h"

namespace varnesk {

std::vector<std::string> captionLines(const ChartCaption& c) {
  std::string first = c.populationLine;
  if (c.partial) first += " (" + formatWhole(c.shown) + " mostradas)";
  std::string statistics;
  for (std::size_t i = 0; i < c.statistics.size(); ++i)
    statistics += std::string(i ? " · " : "") + kStatisticNames[i] + " " + c.statistics[i];
  return {first + " · " + c.seedLine, statistics};
}

}  // namespace varnesk
