#pragma once
// The logic of the window "Comparar tamanhos de amostra", written against plain control models.
// The front end owns one, copies what the teacher types into the two text boxes, forwards the
// clicks of CompareButton (and Enter in a box) to compare(), and shows its controls() (the
// table's rows, the population line) and its drawing list.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/drawing_list.h"
#include "chart/shared_histograms.h"
#include "common/controls.h"
#include "engine/comparison_cells.h"
#include "engine/comparison_csv.h"
#include "engine/comparison_run.h"
#include "engine/population_source.h"
#include "engine/run_seeder.h"
#include "engine/window_environment.h"
#include "engine/window_logic.h"

namespace varnesk {

class ComparisonWindow : public WindowLogic {
 public:
  // The environment's seed seeds the window's generator once: each comparison takes its next
  // run from it.
  explicit ComparisonWindow(const WindowEnvironment& environment);

  // The two boxes, with their design texts, as the teacher typed them before the click.
  ControlState SampleSizesTXT;
  ControlState RepetitionsTXT;

  // Click of CompareButton: the list, the repetitions, the population and each size against it
  // are checked in that order; the first refusal shows its message, puts the focus on the box
  // to correct and leaves the table and the chart as they were. Otherwise one run per size.
  void compare();

  // compare() in two halves, for a front end that runs the sizes away from its window: start()
  // makes the same checks (a refusal shows its message, moves the focus and gives nothing) and
  // gives the run to do; finish() shows a run that is done, as compare() would have. A run
  // stopped before its end is dropped: the table and the chart stay as they were, and the
  // progress bar hides until the next run, since the table beside it is not that run's.
  std::unique_ptr<ComparisonRun> start();
  void finish(const ComparisonRun& run);

  // The table of the last comparison for a spreadsheet; empty before the first one.
  std::string resultsCsv() const;

  // ResultsTable's rows, one per size of the last comparison in the order listed;
  // PopulationLBL: the population the last comparison read, with its N and the sizes and
  // repetitions it used (before the first, the population's name alone); SeedLBL: the seed
  // that replays the comparison shown; ComparisonProgress once no run goes: full after a run
  // that reached its end, empty before the first; ChartDescription: the histograms in one
  // paragraph, size by size.
  ControlStates controls() const override;
  // ComparisonChart for a drawing area of that size in twips; only white before a comparison.
  DrawingList drawing(double width, double height) const override;
  // Each size's histogram in turn, in the order listed, a rest between two.
  std::vector<Tone> tones() const override;
  // Which population the comparisons read.
  const PopulationSource& populationSource() const { return population_; }

 private:
  // Shows the message and moves the focus to the box to correct: no run.
  std::nullptr_t refuse(const std::string& message, const ControlState& box);

  Platform& platform_;
  PopulationSource population_;
  char separator_;
  RunSeeder generator_;
  std::vector<ComparisonCells> results_;
  std::vector<ComparisonCells> csvRows_;  // the same with a decimal comma
  CsvHeader csvHeader_;
  std::string populationLine_;
  std::string startedRepetitions_;  // R as typed for the run started last
  std::vector<std::int32_t> sizes_;
  SharedHistograms histograms_;
  double populationMean_ = 0;
  ControlState progress_{"ComparisonProgress", "0"};
  std::string description_;
};

}  // namespace varnesk
