#pragma once
// A histogram heard rather than seen: its classes left to right, each a tone as long as the
// next, pitched by its height, from a low A for an empty-looking class to two octaves above for
// the highest; an empty class is a rest. Classes before the first and after the last that hold
// anything are left out, so the sound starts and ends with the histogram.
#include <span>
#include <vector>

namespace varnesk {

struct Tone {
  double frequency = 0.0;  // hertz; 0 for a rest
  double seconds = 0.0;
  bool operator==(const Tone&) const = default;
};

inline constexpr double kLowestPitch = 220.0;  // a class that holds almost nothing
inline constexpr double kPitchOctaves = 2.0;   // the highest class, 880 Hz
inline constexpr double kToneSeconds = 0.15;
inline constexpr double kSeriesRestSeconds = 0.6;  // between two histograms heard in turn

// One tone per class, counts or percentages alike.
std::vector<Tone> histogramTones(std::span<const double> classes);

// Several histograms one after another, a rest between two.
std::vector<Tone> seriesTones(std::span<const std::vector<double>> series);

}  // namespace varnesk
