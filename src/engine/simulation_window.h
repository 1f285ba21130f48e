#pragma once
// The logic of the two simulation windows, form1 (instant) and Form4 (step by step), written
// against plain control models. A front end owns one of these, forwards Load and the clicks of
// Simular to it, and shows its controls() and its chart's drawing list.
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "chart/chart_model.h"
#include "chart/scale.h"
#include "common/controls.h"
#include "common/limits.h"
#include "engine/chart_caption.h"
#include "engine/population_format.h"
#include "engine/population_source.h"
#include "engine/shown_sample.h"
#include "engine/window_environment.h"
#include "engine/window_logic.h"
#include "engine/window_traits.h"

namespace varnesk {

struct Population;
struct SamplingRun;
struct SimulationState;

class SimulationWindow : public WindowLogic {
 public:
  SimulationWindow(WindowKind kind, WindowEnvironment environment);
  ~SimulationWindow() override;
  SimulationWindow(const SimulationWindow&) = delete;
  SimulationWindow& operator=(const SimulationWindow&) = delete;

  // Load of the window, with the configuration screen's two texts. Returns false when the
  // window must not open (population unreadable, or smaller than the sample size): the
  // message has then been shown and nothing else changed.
  bool Load(const std::string& sampleSizeText, const std::string& repetitionsText);

  // Click of Command1 ("Simular").
  void simulate();
  // The step-by-step window's next `times` means at once, as that many clicks would add them.
  void simulateMany(int times);

  // "Definir semente…": the text must be a whole number from 0 to 2^64 - 1 (blanks around it
  // aside), or its message is shown and nothing changes. The window then shows run 1 of that
  // seed, as `varnesk-sim -s` gives it: the instant window runs Simular at once (its later clicks
  // take runs 2, 3 ... of the seed), the step-by-step window draws its run anew and starts over.
  bool setSeed(const std::string& text);

  // "Reproduzir / Pausar" of the step-by-step window: starts or stops adding the means by the
  // clock. The front end's clock then calls simulate(), exactly as a click does, while
  // playing() holds (PlayButton held down); the last mean stops it. Nothing to play past the end.
  void playPause();
  bool playing() const;

  // "Reiniciar" of the step-by-step window: its run is drawn anew, as at its opening, from the
  // next run of its seeds (a new seed of its own, or the given seed's next run).
  void restart();

  // The instant window's normal curve of theory over the histogram, off until asked for.
  void showNormalCurve(bool show);
  // The instant window's line at the population mean μ over the histogram, off until asked for
  // (the step-by-step window always shows it).
  void showPopulationMean(bool show);

  // Where the means shown came from, so that a run seen on the projector can be redone: its
  // seed and which run of that seed it is (`varnesk-sim -s seed --simulacao run`; 0 before the
  // first run), and the same as the menu's line tells it. A seed the window picked names its run
  // alone: its run is always the first.
  std::uint64_t seed() const;
  int runNumber() const;
  std::string seedLine() const;
  // The means shown, in the order drawn, for a spreadsheet; the statistics for the clipboard.
  std::string meansCsv() const;
  std::string tabulatedStatistics() const;
  // What a saved chart says about the run under it.
  ChartCaption chartCaption() const;
  // The histogram as text, for a screen reader in place of the chart: one line per class with
  // its boundaries and what it holds (a percentage of the means, or a number of means shown);
  // empty before the first run.
  std::string classTable() const;
  // The histogram in one sentence, as ChartDescription's text; empty before the first run.
  std::string chartDescription() const;
  std::vector<Tone> tones() const override;

  // The text boxes, buttons, statistics and strip, the chart's text alternative (classTable, as
  // Shape1's text) and its sentence (ChartDescription).
  ControlStates controls() const override;
  // The chart on the whole client area, as laid out.
  DrawingList drawing(double width = 0, double height = 0) const override;
  const ChartModel& chart() const;
  const WindowTraits& traits() const;

  // What the run left behind, for tests and the command-line tool.
  const SamplingRun& run() const;
  const Population& population() const;
  // Which population the window read at its Load, and how its file was read.
  const PopulationSource& populationSource() const;
  const PopulationFormat& populationFormat() const;
  // Step-by-step window: the sample behind the latest mean shown, drawn again from its own
  // stream; nothing before the first mean, nor in the instant window.
  std::optional<ShownSample> latestSample() const;
  const Scale& scale() const;
  // Class counts, or percentages in the instant window after a run.
  const std::array<double, kFrequencySlots>& Frequencias() const;

 private:
  std::unique_ptr<SimulationState> state_;
};

}  // namespace varnesk
