#include "engine/comparison_window.h"

#include <algorithm>
#include <cmath>

#include "chart/comparison_chart.h"
#include "chart/histogram_description.h"
#include "common/number_text.h"
#include "engine/configuration.h"
#include "engine/population.h"
#include "engine/status_lines.h"
#include "layout/window_layouts.h"

namespace varnesk {

namespace {

ControlState designed(std::string_view name) {
  return {std::string(name), comparisonLayout().control(name).caption};
}

// Decimals that tell classes of that width apart: two significant digits of the width.
int boundaryDecimals(double width) {
  if (!(width > 0)) return 2;
  return std::clamp(1 - static_cast<int>(std::floor(std::log10(width))), 0, 6);
}

// "Histogramas das médias amostrais de 2 tamanhos de amostra, 1.000 médias cada, de 1,60 a 2,40,
// com a média da população, 2,0000, marcada. n = 5: a classe mais alta, ..., tem 9 %; média
// 2,0010, dp 0,0900. n = 10: ..."
std::string describeComparison(const std::vector<ComparisonCells>& rows,
                               const SharedHistograms& histograms, std::size_t repetitions,
                               double populationMean, char separator) {
  if (rows.empty() || histograms.counts.empty()) return {};
  const int decimals = boundaryDecimals(histograms.width);
  const double end =
      histograms.start + static_cast<double>(histograms.counts.front().size()) * histograms.width;
  std::string text = "Histogramas das médias amostrais de " + std::to_string(rows.size()) +
                     (rows.size() == 1 ? " tamanho" : " tamanhos") + " de amostra, " +
                     formatThousands(static_cast<long long>(repetitions), separator) +
                     " médias cada, de " + formatFixed(histograms.start, decimals, separator) +
                     " a " + formatFixed(end, decimals, separator) +
                     ", com a média da população, " + formatFixed(populationMean, 4, separator) +
                     ", marcada.";
  for (std::size_t i = 0; i < rows.size() && i < histograms.counts.size(); ++i) {
    HistogramDescription d;
    d.count = static_cast<long long>(repetitions);
    d.start = histograms.start;
    d.classWidth = histograms.width;
    d.classes.assign(histograms.counts[i].begin(), histograms.counts[i].end());
    d.decimals = decimals;
    text += " n = " + rows[i][0] + ": " + d.highestClass(separator) + "; média " + rows[i][1] +
            ", dp " + rows[i][2] + ".";
  }
  return text;
}

}  // namespace

ComparisonWindow::ComparisonWindow(const WindowEnvironment& environment)
    : SampleSizesTXT(designed("SampleSizesTXT")),
      RepetitionsTXT(designed("RepetitionsTXT")),
      platform_(environment.platform),
      population_(environment.population),
      separator_(environment.separator),
      // A seed given to the program names runs 1, 2, 3 ... of it; otherwise each comparison
      // picks a short seed of its own, so that the one number replays it.
      generator_(environment.seed ? RunSeeder(environment.seed()) : RunSeeder(shortSeed)),
      populationLine_(populationLine(population_.name())) {}

std::nullptr_t ComparisonWindow::refuse(const std::string& message, const ControlState& box) {
  platform_.showMessage(message);
  platform_.setFocus(box.name);
  return nullptr;
}

std::unique_ptr<ComparisonRun> ComparisonWindow::start() {
  const SampleSizeList list = parseSampleSizes(SampleSizesTXT.text);
  if (!list.error.empty()) return refuse(list.error, SampleSizesTXT);
  const double R = parseLeadingNumber(RepetitionsTXT.text);
  if (const auto problem = instantRepetitionsProblem(R))
    return refuse(std::string(*problem), RepetitionsTXT);
  // The file is read at each click, so a class's file put in its place is taken at once. There
  // is no box for the file: its problems, like a size too large for it, send the teacher back
  // to the list.
  auto population = std::make_shared<Population>();
  if (const PopulationReading reading = LerPopulacao(population_, *population); !reading.ok)
    return refuse(reading.message, SampleSizesTXT);
  if (const std::string problem = refuseSampleSizes(list.sizes, *population); !problem.empty())
    return refuse(problem, SampleSizesTXT);
  startedRepetitions_ = RepetitionsTXT.text;
  progress_ = {"ComparisonProgress", "0"};
  return std::make_unique<ComparisonRun>(std::move(population), list.sizes, R,
                                         generator_.nextRunSeed());
}

void ComparisonWindow::finish(const ComparisonRun& run) {
  if (!run.done() || run.rows().empty()) {
    progress_.visible = false;
    return;
  }
  progress_.text = "100";
  results_.clear();
  csvRows_.clear();
  std::vector<std::vector<float>> means;
  for (const ComparisonRow& row : run.rows()) {
    results_.push_back(comparisonCells(row, separator_));
    csvRows_.push_back(comparisonCells(row, ','));
    means.push_back(row.means);
  }
  sizes_ = run.sizes();
  populationLine_ = populationLine(population_.name(), run.population().TamanhoPopulacao,
                                   run.sizes(), wholeShown(run.repetitions()), separator_);
  populationMean_ = run.rows().front().theory.mean;
  histograms_ = sharedHistograms(means, populationMean_, kComparisonClasses);
  description_ = describeComparison(results_, histograms_, run.rows().front().means.size(),
                                    populationMean_, separator_);
  csvHeader_.file = population_.file.string();
  csvHeader_.N = run.population().TamanhoPopulacao;
  csvHeader_.seed = generator_.seed();
  csvHeader_.run = generator_.runCount();
  csvHeader_.R = startedRepetitions_;
}

void ComparisonWindow::compare() {
  const std::unique_ptr<ComparisonRun> run = start();
  if (!run) return;
  platform_.setBusy(true);
  while (!run->done()) run->runNext();
  platform_.setBusy(false);
  finish(*run);
}

std::string ComparisonWindow::resultsCsv() const {
  if (results_.empty()) return {};
  return comparisonCsv(csvHeader_, comparisonLayout().control("ResultsTable").caption, csvRows_);
}

ControlStates ComparisonWindow::controls() const {
  std::string rows;
  for (const ComparisonCells& row : results_) {
    for (std::size_t i = 0; i < row.size(); ++i) rows += (i ? "\t" : "") + row[i];
    rows += '\n';
  }
  return {{"ResultsTable", rows},
          {"PopulationLBL", populationLine_},
          {"SeedLBL", seedLine(csvHeader_.run ? csvHeader_.seed : generator_.seed(), csvHeader_.run,
                               generator_.picksSeeds())},
          progress_,
          {std::string(kChartDescription), description_}};
}

std::vector<Tone> ComparisonWindow::tones() const {
  std::vector<std::vector<double>> series;
  for (const std::vector<int>& counts : histograms_.counts)
    series.emplace_back(counts.begin(), counts.end());
  return seriesTones(series);
}

DrawingList ComparisonWindow::drawing(double width, double height) const {
  return comparisonChart(sizes_, histograms_, populationMean_, width, height, separator_);
}

}  // namespace varnesk
