#pragma once
// The page's window "População" opened from the configuration screen: the population file the
// windows read, described, each call answered with the JSON text the page reads.
#include <string>

#include "engine/population_window.h"

namespace varnesk {

class PopulationSession {
 public:
  PopulationSession(const std::string& separator, TextMeasure measure, PopulationSource population);

  std::string load();  // ok, labels
  std::string chart(double width, double height) const;

 private:
  PopulationSource population_;
  PopulationWindow window_;
};

}  // namespace varnesk
