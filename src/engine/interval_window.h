#pragma once
// The logic of the window "Intervalos de confiança": R samples of n drawn as the sampling run
// draws them, each shown as its confidence interval against the population's mean μ, one
// sample a click (or by the clock, or all at once), with the running coverage and the misses on
// each side; the level, t or z, and the finite population correction change every interval at
// once; and the coverage with and without the correction for n = N/100, N/10 and N/2.
#include <cstdint>
#include <optional>
#include <string>

#include "engine/interval_run.h"
#include "engine/population.h"
#include "engine/run_seeder.h"
#include "engine/window_environment.h"
#include "engine/window_logic.h"

namespace varnesk {

class IntervalWindow : public WindowLogic {
 public:
  explicit IntervalWindow(const WindowEnvironment& environment);

  // With the configuration screen's n and R: n from 2 (an interval needs s) to the population's
  // N, R from 1 to 5000, each refused with its message and the focus on the box to correct.
  // Draws the whole run; no sample shown yet.
  bool Load(const std::string& sampleSize, const std::string& repetitions);

  // The next `count` samples ("Próxima amostra" is 1, D 10, C 100), or all that are left.
  void showNext(std::int32_t count = 1);
  void showAll();
  // "Reproduzir / Pausar": the front end's clock then calls showNext() while playing() holds.
  void playPause();
  bool playing() const { return playing_; }
  // The level typed in LevelSpin (refused with its message), the law and the correction.
  bool setLevel(const std::string& text);
  void setNormal(bool normal);
  void setCorrection(bool correction);
  // The coverage of R samples for n = N/100, N/10 and N/2 (each at least 2), with and without
  // the correction, in CoverageTable.
  void compareCorrection();

  std::string seedLine() const;
  // Every interval shown, for a spreadsheet; empty before the first.
  std::string intervalsCsv() const;
  bool anythingShown() const { return shown_ > 0; }

  ControlStates controls() const override;
  DrawingList drawing(double width, double height) const override;

  const IntervalRun& run() const { return run_; }
  std::int32_t shown() const { return shown_; }

 private:
  void refresh();

  WindowEnvironment env_;
  Population population_;
  std::optional<RunSeeder> seeder_;
  IntervalRun run_;
  std::uint64_t runSeed_ = 0;
  std::int32_t shown_ = 0;
  bool playing_ = false;
  std::string sampleSizeText_, repetitionsText_;
  std::string comparison_;     // CoverageTable's rows
  double low_ = 0, high_ = 1;  // the chart's X axis, around every interval of the run
};

}  // namespace varnesk
