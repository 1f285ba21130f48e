#include "engine/comparison_window.h"

#include "chart/comparison_chart.h"
#include "common/number_text.h"
#include "engine/configuration.h"
#include "engine/population.h"
#include "engine/status_lines.h"
#include "engine/window_model.h"
#include "layout/window_layouts.h"

namespace varnesk {

ComparisonWindow::ComparisonWindow(Platform& platform, PopulationSource population,
                                   const std::function<std::uint64_t()>& seed,
                                   char decimalSeparator)
    : SampleSizesTXT(textBox(comparisonLayout(), "SampleSizesTXT")),
      RepetitionsTXT(textBox(comparisonLayout(), "RepetitionsTXT")),
      CompareButton(button(comparisonLayout(), "CompareButton")),
      CloseButton(button(comparisonLayout(), "CloseButton")),
      PopulationLBL{"PopulationLBL", populationLine(population.name())},
      platform_(platform),
      population_(std::move(population)),
      separator_(decimalSeparator),
      generator_(seed ? seed() : clockSeed()) {}

void ComparisonWindow::refuse(const std::string& message, const TextBox& box) {
  platform_.showMessage(message);
  platform_.setFocus(box.name);
}

void ComparisonWindow::compare() {
  const SampleSizeList list = parseSampleSizes(SampleSizesTXT.text);
  if (!list.error.empty()) return refuse(list.error, SampleSizesTXT);
  const double R = parseLeadingNumber(RepetitionsTXT.text);
  if (const auto problem = instantRepetitionsProblem(R))
    return refuse(std::string(*problem), RepetitionsTXT);
  // The file is read at each click, so a class's file put in its place is taken at once. There
  // is no box for the file: its problems, like a size too large for it, send the teacher back
  // to the list.
  Population population;
  if (const PopulationReading reading = LerPopulacao(population_.file, population, population_.options); !reading.ok)
    return refuse(reading.message, SampleSizesTXT);
  if (const std::string problem = refuseSampleSizes(list.sizes, population); !problem.empty())
    return refuse(problem, SampleSizesTXT);

  platform_.setBusy(true);
  const std::vector<ComparisonRow> rows =
      compareSampleSizes(population, list.sizes, R, generator_.nextRunSeed());
  platform_.setBusy(false);

  results_.clear();
  std::vector<std::vector<float>> means;
  for (const ComparisonRow& row : rows) {
    results_.push_back(comparisonCells(row, separator_));
    means.push_back(row.means);
  }
  sizes_ = list.sizes;
  PopulationLBL.caption = populationLine(population_.name(), population.TamanhoPopulacao,
                                         list.sizes, wholeShown(R), separator_);
  populationMean_ = rows.front().theory.mean;
  histograms_ = sharedHistograms(means, populationMean_, kComparisonClasses);
}

const std::vector<ComparisonCells>& ComparisonWindow::results() const { return results_; }

DrawingList ComparisonWindow::chart(double width, double height) const {
  return comparisonChart(sizes_, histograms_, populationMean_, width, height, separator_);
}

}  // namespace varnesk
