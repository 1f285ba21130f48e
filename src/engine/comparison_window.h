#pragma once
// The logic of the window "Comparar tamanhos de amostra", written against plain control models.
// The front end owns one, copies what the teacher types into the two text boxes, forwards the
// clicks of CompareButton (and Enter in a box) to compare(), and renders the table's rows and
// the chart's drawing list.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "chart/drawing_list.h"
#include "chart/shared_histograms.h"
#include "common/controls.h"
#include "common/platform.h"
#include "engine/comparison_cells.h"
#include "engine/population_source.h"
#include "engine/run_seeder.h"

namespace varnesk {

class ComparisonWindow {
 public:
  // `seed` seeds the window's generator once: each comparison takes its next run from it.
  ComparisonWindow(Platform& platform, PopulationSource population,
                   const std::function<std::uint64_t()>& seed, char decimalSeparator);

  // The controls, with their design texts; CloseButton's click belongs to the front end.
  TextBox SampleSizesTXT;
  TextBox RepetitionsTXT;
  Button CompareButton;
  Button CloseButton;
  // The population the last comparison read, with its N and the sizes and repetitions it used;
  // before the first, the population's name alone.
  Label PopulationLBL;

  // Click of CompareButton: the list, the repetitions, the population and each size against it
  // are checked in that order; the first refusal shows its message, puts the focus on the box
  // to correct and leaves the table and the chart as they were. Otherwise one run per size.
  void compare();

  // ResultsTable's rows, one per size of the last comparison, in the order listed.
  const std::vector<ComparisonCells>& results() const;
  // ComparisonChart for a drawing area of that size in twips; only white before a comparison.
  DrawingList chart(double width, double height) const;
  // Which population the comparisons read.
  const PopulationSource& populationSource() const { return population_; }

 private:
  void refuse(const std::string& message, const TextBox& box);

  Platform& platform_;
  PopulationSource population_;
  char separator_;
  RunSeeder generator_;
  std::vector<ComparisonCells> results_;
  std::vector<std::int32_t> sizes_;
  SharedHistograms histograms_;
  double populationMean_ = 0;
};

}  // namespace varnesk
