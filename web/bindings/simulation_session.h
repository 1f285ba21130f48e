#pragma once
// One simulation window of the page, form1 or Form4: the window logic with its recorded
// events, each call answered with the JSON text the page reads.
#include <string>
#include "engine/population_source.h"

#include "common/controls.h"
#include "engine/population_window.h"
#include "engine/simulation_window.h"
#include "json_writer.h"
#include "recording_platform.h"

namespace varnesk {

class SimulationSession {
 public:
  // `kind` is "Form4" for the step-by-step window, anything else for the instant one.
  SimulationSession(const std::string& kind, const std::string& seed, const std::string& separator,
                    TextMeasure measure, PopulationSource population);

  std::string load(const std::string& sampleSize,
                   const std::string& repetitions);  // ok, events, model
  std::string simulate();                            // events, model
  std::string simulateMany(int times);               // events, model
  std::string showNormalCurve(bool show);            // events, model
  std::string setSeed(const std::string& text);      // ok, events, model
  std::string playPause();                           // events, model
  std::string model() const;
  std::string drawing() const;
  std::string picture() const;  // region, drawing: the chart with its caption
  // Before any mean is shown: the events of the message that there is nothing to save, and
  // true; otherwise false and no event. The page asks before each save.
  std::string nothingToSave();
  std::string means() const;  // in the order drawn
  // Plain texts, not JSON: they are saved, copied or shown as they are.
  std::string meansCsv() const { return window_.meansCsv(); }
  std::string tabulatedStatistics() const { return window_.tabulatedStatistics(); }
  std::string seedLine() const { return window_.seedLine(); }
  // The seed of the run shown, as the seed dialog starts from it ("" before the first run): a
  // JSON string, since a seed of 20 digits is past what a JavaScript number holds exactly.
  std::string seed() const {
    return jsonString(window_.runNumber() > 0 ? std::to_string(window_.seed()) : std::string());
  }
  std::string svg() const;
  // The window "População" for the population this window read; with `sample`, the sample
  // behind the latest mean marked over it: ok, labels. Then its chart for a drawing area of
  // that size in twips.
  std::string population(bool sample);
  std::string populationChart(double width, double height) const;

 private:
  std::string eventsAndModel();
  std::string okEventsAndModel(bool ok);

  RecordingPlatform platform_;
  SimulationWindow window_;
  PopulationWindow populationView_;
};

}  // namespace varnesk
