#include "chart/histogram_tones.h"

#include <algorithm>
#include <cmath>

namespace varnesk {

std::vector<Tone> histogramTones(std::span<const double> classes) {
  const auto holds = [](double v) { return v > 0; };
  const auto first = std::find_if(classes.begin(), classes.end(), holds);
  if (first == classes.end()) return {};
  const auto last = std::find_if(classes.rbegin(), classes.rend(), holds).base();
  const double highest = *std::max_element(first, last);
  std::vector<Tone> tones;
  for (auto c = first; c != last; ++c) {
    // Equal steps of height are equal musical intervals, as the ear hears them.
    const double pitch = *c > 0 ? kLowestPitch * std::exp2(kPitchOctaves * *c / highest) : 0.0;
    tones.push_back({pitch, kToneSeconds});
  }
  return tones;
}

std::vector<Tone> seriesTones(std::span<const std::vector<double>> series) {
  std::vector<Tone> tones;
  for (const std::vector<double>& classes : series) {
    const std::vector<Tone> heard = histogramTones(classes);
    if (heard.empty()) continue;
    if (!tones.empty()) tones.push_back({0.0, kSeriesRestSeconds});
    tones.insert(tones.end(), heard.begin(), heard.end());
  }
  return tones;
}

}  // namespace varnesk
