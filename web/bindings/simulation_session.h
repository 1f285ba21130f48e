#pragma once
// One simulation window of the page, form1 or Form4: the window logic with its recorded
// events, each call answered with the JSON text the page reads.
#include <memory>
#include <string>

#include "engine/population_window.h"
#include "engine/simulation_window.h"
#include "json_writer.h"
#include "window_session.h"

namespace varnesk {

class SimulationSession : public WindowSession {
 public:
  // `window`: "form1" or "Form4".
  SimulationSession(const std::string& window, const std::string& seed,
                    const std::string& separator, TextMeasure measure, PopulationSource population);

  std::string load(const std::string& sampleSize,
                   const std::string& repetitions);  // ok, events, controls
  std::string simulate();                            // events, controls
  std::string simulateMany(int times);               // events, controls
  std::string showNormalCurve(bool show);            // events, controls
  std::string showPopulationMean(bool show);         // events, controls
  std::string restart();                             // events, controls
  std::string setSeed(const std::string& text);      // ok, events, controls
  std::string playPause();                           // events, controls
  std::string controls() const { return controlsOf(*window_); }
  std::string drawing() const { return drawingOf(window_->drawing()); }
  std::string picture() const;  // region, drawing: the chart with its caption
  // Before any mean is shown: the events of the message that there is nothing to save, and
  // true; otherwise false and no event. The page asks before each save.
  std::string nothingToSave();
  std::string means() const;  // in the order drawn
  // Plain texts, not JSON: they are saved, copied or shown as they are.
  std::string meansCsv() const { return window_->meansCsv(); }
  std::string tabulatedStatistics() const { return window_->tabulatedStatistics(); }
  std::string seedLine() const { return window_->seedLine(); }
  // The seed of the run shown, as the seed dialog starts from it ("" before the first run): a
  // JSON string, since a seed of 20 digits is past what a JavaScript number holds exactly.
  std::string seed() const {
    return jsonString(window_->runNumber() > 0 ? std::to_string(window_->seed()) : std::string());
  }
  std::string svg() const;
  // The window "População" for the population this window read; with `sample`, the sample
  // behind the latest mean marked over it: ok, controls. Then its chart for a drawing area of
  // that size in twips.
  std::string population(bool sample);
  std::string populationChart(double width, double height) const {
    return drawingOf(populationView_->drawing(width, height));
  }
  // "Ouvir o histograma" of this window, and of its window "População".
  std::string tones() { return tonesAnswer(*window_); }
  std::string populationTones() { return tonesAnswer(*populationView_); }

 private:
  std::unique_ptr<SimulationWindow> window_;
  std::unique_ptr<PopulationWindow> populationView_;
};

}  // namespace varnesk
