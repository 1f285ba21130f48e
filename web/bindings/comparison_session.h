#pragma once
// The page's window "Comparar tamanhos de amostra": the window logic with its recorded events,
// each call answered with the JSON text the page reads.
#include <filesystem>
#include <memory>
#include <string>
#include "engine/population_source.h"

#include "engine/comparison_window.h"
#include "window_session.h"

namespace varnesk {

class ComparisonSession : public WindowSession {
 public:
  ComparisonSession(const std::string& seed, const std::string& separator,
                    PopulationSource population);

  // The two boxes' texts as typed, then the click of CompareButton: events, controls (the
  // table's rows and the population line).
  std::string compare(const std::string& sampleSizes, const std::string& repetitions);
  // The same click taken a few hundred samples per call, so that the page shows its progress and
  // can stop: start() checks the boxes (events; total 0 when refused), each step() draws the next
  // samples (completed, total steps), finish() shows the run once done (events, results), or
  // drops a run stopped before its end, leaving the table and chart as they were (events,
  // controls: the progress bar hidden); cancel() drops it without an answer.
  std::string start(const std::string& sampleSizes, const std::string& repetitions);
  std::string step();
  std::string finish();
  std::string cancel() {
    if (run_) window_->finish(*run_);
    run_.reset();
    return "{}";
  }
  // The table of the last comparison for a spreadsheet; empty before the first.
  std::string resultsCsv() const { return window_->resultsCsv(); }
  // Before the first comparison: the message that there is nothing to save (events) and true.
  std::string nothingToSave();

  // The table's rows and the line that names the population (after a comparison its N, sizes
  // and repetitions), as a window opening shows them.
  std::string controls() const { return controlsOf(*window_); }
  // The chart for a drawing area of that size in twips.
  std::string chart(double width, double height) const {
    return drawingOf(window_->drawing(width, height));
  }
  std::string tones() { return tonesAnswer(*window_); }  // tones, events

 private:
  std::unique_ptr<ComparisonWindow> window_;
  std::unique_ptr<ComparisonRun> run_;
};

}  // namespace varnesk
