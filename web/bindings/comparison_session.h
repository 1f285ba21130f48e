#pragma once
// The page's window "Comparar tamanhos de amostra": the window logic with its recorded events,
// each call answered with the JSON text the page reads.
#include <filesystem>
#include <string>

#include "engine/comparison_window.h"
#include "recording_platform.h"

namespace varnesk {

class ComparisonSession {
 public:
  ComparisonSession(const std::string& seed, const std::string& separator,
                    std::filesystem::path populationFile);

  // The two boxes' texts as typed, then the click of CompareButton: events, results.
  std::string compare(const std::string& sampleSizes, const std::string& repetitions);
  // The line that names the population, and after a comparison its N, sizes and repetitions.
  std::string populationLine() const;
  // The chart for a drawing area of that size in twips.
  std::string chart(double width, double height) const;

 private:
  RecordingPlatform platform_;
  ComparisonWindow window_;
};

}  // namespace varnesk
