#include "engine/interval_window.h"

#include <algorithm>
#include <array>

#include "chart/interval_chart.h"
#include "common/number_text.h"
#include "engine/configuration.h"
#include "engine/interval_texts.h"
#include "engine/sampling_run.h"
#include "engine/status_lines.h"
#include "layout/window_layouts.h"

namespace varnesk {
namespace {

// The rows the chart shows: the latest samples, the oldest at the bottom.
constexpr std::int32_t kChartRows = 100;
// What the chart's text alternative lists after the coverage: the latest intervals.
constexpr std::int32_t kDescribed = 10;

}  // namespace

IntervalWindow::IntervalWindow(const WindowEnvironment& environment) : env_(environment) {}

bool IntervalWindow::Load(const std::string& sampleSize, const std::string& repetitions) {
  Platform& platform = env_.platform;
  const auto refuse = [&platform](const std::string& message, const char* box) {
    platform.showMessage(message);
    platform.setFocus(box);
    return false;
  };
  const double n = parseLeadingNumber(sampleSize), R = parseLeadingNumber(repetitions);
  if (const auto problem = sampleSizeProblem(n))
    return refuse(std::string(*problem), "TamanhodaAmostraTXT");
  if (const auto problem = intervalProblem(n)) return refuse(*problem, "TamanhodaAmostraTXT");
  if (const auto problem = instantRepetitionsProblem(R))
    return refuse(std::string(*problem), "NumeroRepeticoesTXT");
  const PopulationReading reading = LerPopulacao(env_.population, population_);
  if (!reading.ok) {
    platform.showMessage(reading.message);
    return false;
  }
  if (const auto problem = refuseSampleSize(n, population_))
    return refuse(*problem, "TamanhodaAmostraTXT");
  seeder_.emplace(env_.seed ? RunSeeder(env_.seed())
                            : RunSeeder(env_.pickSeed ? env_.pickSeed : shortSeed));
  runSeed_ = seeder_->nextRunSeed();
  sampleSizeText_ = sampleSize;
  repetitionsText_ = repetitions;
  platform.setBusy(true);
  run_ = IntervalRun(population_, wholeCount(n, population_.TamanhoPopulacao),
                     wholeCount(R, kMaxMeans), runSeed_);
  platform.setBusy(false);
  shown_ = 0;
  refresh();
  return true;
}

void IntervalWindow::refresh() {
  low_ = high_ = run_.mu();
  for (std::int32_t r = 0; r < run_.size(); ++r) {
    const ConfidenceInterval i = run_.interval(r);
    low_ = std::min(low_, i.lower);
    high_ = std::max(high_, i.upper);
  }
  const double margin = std::max(high_ - low_, 1e-6) * 0.03;
  low_ -= margin;
  high_ += margin;
}

void IntervalWindow::showNext(std::int32_t count) {
  shown_ = std::min(run_.size(), shown_ + std::max(count, 0));
  if (shown_ == run_.size()) playing_ = false;
}

void IntervalWindow::showAll() {
  shown_ = run_.size();
  playing_ = false;
}

void IntervalWindow::playPause() { playing_ = !playing_ && shown_ < run_.size(); }

bool IntervalWindow::setLevel(const std::string& text) {
  IntervalOptions options = run_.options();
  if (const auto problem = levelProblem(text, options.level)) {
    env_.platform.showMessage(*problem);
    env_.platform.setFocus("LevelSpin");
    return false;
  }
  run_.setOptions(options);
  refresh();
  return true;
}

void IntervalWindow::setNormal(bool normal) {
  IntervalOptions options = run_.options();
  options.normal = normal;
  run_.setOptions(options);
  refresh();
}

void IntervalWindow::setCorrection(bool correction) {
  IntervalOptions options = run_.options();
  options.correction = correction;
  run_.setOptions(options);
  refresh();
}

void IntervalWindow::compareCorrection() {
  const std::int32_t N = population_.TamanhoPopulacao;
  if (run_.size() == 0 || N < 2) return;  // nothing loaded
  std::vector<std::int32_t> sizes;
  for (const std::int32_t part : {100, 10, 2}) sizes.push_back(std::max(N / part, 2));
  sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
  env_.platform.setBusy(true);
  comparison_.clear();
  for (const std::int32_t n : sizes) {
    IntervalRun run(population_, n, run_.size(), runSeed_);
    std::string row = formatThousands(n, env_.separator);
    for (const bool correction : {true, false}) {
      IntervalOptions options = run_.options();
      options.correction = correction;
      run.setOptions(options);
      row += '\t' + formatFixed(100 * run.coverage(run.size()).share(), 1, env_.separator) + " %";
    }
    comparison_ += row + '\n';
  }
  env_.platform.setBusy(false);
}

std::string IntervalWindow::seedLine() const {
  if (!seeder_) return "Semente: nenhuma simulação ainda";
  return "Semente " + std::to_string(seeder_->seed());
}

std::string IntervalWindow::intervalsCsv() const {
  if (shown_ == 0) return {};
  return varnesk::intervalsCsv({env_.population.file.string(), run_.N(), sampleSizeText_,
                                repetitionsText_, seeder_->seed(), seeder_->runCount()},
                               run_, shown_);
}

ControlStates IntervalWindow::controls() const {
  const char sep = env_.separator;
  const Coverage coverage = run_.coverage(shown_);
  const bool more = shown_ < run_.size();
  const IntervalOptions& options = run_.options();
  std::string chart = shown_ == 0 ? "" : coverageLine(coverage, options.level, sep);
  for (std::int32_t r = shown_ - 1; r >= std::max(0, shown_ - kDescribed); --r) {
    const ConfidenceInterval i = run_.interval(r);
    chart += "\nAmostra " + std::to_string(r + 1) + ": de " + formatFixed(i.lower, 3, sep) + " a " +
             formatFixed(i.upper, 3, sep) +
             (i.side(run_.mu()) == 0 ? ", contém μ" : ", não contém μ");
  }
  const std::int32_t n[] = {run_.n()};
  return {
      {"SampleSizeTXT", sampleSizeText_, false},
      {"RepetitionsTXT", repetitionsText_, false},
      {"NormalCheck", "Usar z (normal) em vez de t", true, true, options.normal},
      {"CorrectionCheck", "Correção de população finita", true, true, options.correction},
      {"NextButton", "Próxima amostra", more},
      {"AllButton", "Todas as amostras", more},
      {"PlayButton", playing_ ? "Pausar" : "Reproduzir", more, true, playing_},
      {"CoverageLBL", shown_ == 0 ? "Nenhum intervalo ainda: peça a próxima amostra, ou todas."
                                  : coverageLine(coverage, options.level, sep)},
      {"MissesLBL", shown_ == 0 ? "" : missesLine(coverage, sep)},
      {"ProgressLBL", "Amostras mostradas: " + formatThousands(shown_, sep) + " de " +
                          formatThousands(run_.size(), sep)},
      {"FormulaLBL", run_.size() > 0 ? quantileLine(run_, sep) : ""},
      {"PopulationLBL", populationLine(env_.population.name(), run_.N(), n, run_.size(), sep) +
                            " · μ = " + formatFixed(run_.mu(), 3, sep)},
      {"CoverageTable", comparison_},
      {"IntervalChart", chart},
  };
}

DrawingList IntervalWindow::drawing(double width, double height) const {
  std::vector<ShownInterval> latest;
  for (std::int32_t r = std::max(0, shown_ - kChartRows); r < shown_; ++r) {
    const ConfidenceInterval i = run_.interval(r);
    latest.push_back({run_.mean(r), i.lower, i.upper, i.side(run_.mu()) == 0});
  }
  return intervalChart(latest, kChartRows, run_.mu(), low_, high_, width, height, env_.measure,
                       env_.separator);
}

}  // namespace varnesk
