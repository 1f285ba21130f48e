#pragma once
// The page's window "Intervalos de confiança": the window logic with its recorded events, each
// call answered with the JSON text the page reads.
#include <memory>
#include <string>

#include "engine/interval_window.h"
#include "window_session.h"

namespace varnesk {

class IntervalSession : public WindowSession {
 public:
  IntervalSession(const std::string& seed, const std::string& separator, TextMeasure measure,
                  PopulationSource population);

  // The configuration screen's n and R: ok, events, controls.
  std::string load(const std::string& sampleSize, const std::string& repetitions);
  // The next `count` samples, all of them, the playback: events, controls.
  std::string showNext(int count);
  std::string showAll();
  std::string playPause();
  // The level as typed (ok, events, controls), the law and the correction (events, controls).
  std::string setLevel(const std::string& level);
  std::string setNormal(bool normal);
  std::string setCorrection(bool correction);
  std::string compareCorrection();  // events, controls
  std::string controls() const { return controlsOf(*window_); }
  std::string chart(double width, double height) const {
    return drawingOf(window_->drawing(width, height));
  }
  std::string nothingToSave() { return nothingToSaveAnswer(!window_->anythingShown()); }
  // Plain texts, not JSON.
  std::string intervalsCsv() const { return window_->intervalsCsv(); }
  std::string seedLine() const { return window_->seedLine(); }

 private:
  std::unique_ptr<IntervalWindow> window_;
};

}  // namespace varnesk
