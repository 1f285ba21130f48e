#pragma once
// The page's window "População" opened from the configuration screen: the population file the
// windows read, described, each call answered with the JSON text the page reads.
#include <filesystem>
#include <string>

#include "engine/population_window.h"

namespace varnesk {

class PopulationSession {
 public:
  PopulationSession(const std::string& separator, TextMeasure measure,
                    std::filesystem::path populationFile);

  std::string load();  // ok, labels
  std::string chart(double width, double height) const;

 private:
  std::filesystem::path file_;
  PopulationWindow window_;
};

}  // namespace varnesk
