#include "chart/shared_histograms.h"

#include <algorithm>
#include <cmath>

namespace varnesk {

SharedHistograms sharedHistograms(std::span<const std::vector<float>> series, double mean,
                                  int classes) {
  double lowest = mean, highest = mean;
  for (const auto& s : series) {
    for (float m : s) {
      lowest = std::min(lowest, double{m});
      highest = std::max(highest, double{m});
    }
  }
  if (highest - lowest < 1e-9) lowest -= 0.5, highest += 0.5;  // all means on the population mean
  SharedHistograms h{lowest, (highest - lowest) / classes, {}};
  for (const auto& s : series) {
    auto& counts = h.counts.emplace_back(static_cast<std::size_t>(classes), 0);
    for (float m : s) {
      const auto c = static_cast<int>(std::floor((m - h.start) / h.width));
      ++counts[static_cast<std::size_t>(std::clamp(c, 0, classes - 1))];
    }
  }
  return h;
}

std::vector<double> axisMarks(double lowest, double highest, int howMany) {
  const double raw = (highest - lowest) / std::max(howMany, 1);
  if (!(raw > 0)) return {lowest};
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  const double fraction = raw / power;
  const double step = power * (fraction < 1.5 ? 1 : fraction < 3.5 ? 2 : fraction < 7.5 ? 5 : 10);
  std::vector<double> marks;
  // + 0.0: a mark at zero reads "0", never "-0" (ceil of a small negative ratio is -0.0).
  for (double k = std::ceil(lowest / step); k * step <= highest + step * 1e-9; ++k)
    marks.push_back(k * step + 0.0);
  return marks;
}

}  // namespace varnesk
