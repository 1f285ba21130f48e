#pragma once
// The page's window "População" opened from the configuration screen: the population file the
// windows read, described, each call answered with the JSON text the page reads.
#include <memory>
#include <string>

#include "engine/population_window.h"
#include "window_session.h"

namespace varnesk {

class PopulationSession : public WindowSession {
 public:
  PopulationSession(const std::string& separator, TextMeasure measure, PopulationSource population);

  std::string load() { return okAndControls(window_->Load(), *window_); }  // ok, controls
  std::string chart(double width, double height) const {
    return drawingOf(window_->drawing(width, height));
  }
  std::string tones() { return tonesAnswer(*window_); }  // tones, events

 private:
  std::unique_ptr<PopulationWindow> window_;
};

}  // namespace varnesk
