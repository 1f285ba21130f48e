#include "engine/population_window.h"

#include <algorithm>

#include "chart/histogram_description.h"
#include "chart/population_chart.h"
#include "common/number_text.h"
#include "engine/population.h"
#include "engine/population_summary.h"

namespace varnesk {
namespace {

// The value boxes in the order of describe()'s lines.
const char* const kValueBoxes[] = {"CountLBL",       "MeanLBL",    "SdLBL",
                                   "MinimumLBL",     "MaximumLBL", "SeparatorLBL",
                                   "DecimalMarkLBL", "HeaderLBL",  "ColumnLBL"};

}  // namespace

PopulationWindow::PopulationWindow(const WindowEnvironment& environment)
    : source_(environment.population),
      separator_(environment.separator),
      measure_(environment.measure) {
  labels_.push_back({"FileNameLBL", ""});
  for (const char* name : kValueBoxes) labels_.push_back({name, ""});
  labels_.push_back({"MessageLBL", ""});
  labels_.push_back({"SampleLBL", ""});
}

ControlState& PopulationWindow::label(const std::string& name) {
  return *std::find_if(labels_.begin(), labels_.end(),
                       [&](const ControlState& l) { return l.name == name; });
}

void PopulationWindow::clear(const std::string& fileName) {
  for (ControlState& l : labels_) l.text.clear();
  label("FileNameLBL").text = fileName;
  histogram_ = {};
  sample_.reset();
  description_.clear();
}

bool PopulationWindow::Load() {
  Population population;
  const PopulationReading reading = LerPopulacao(source_, population);
  if (!reading.ok) {
    clear(source_.name());
    label("MessageLBL").text = reading.message;
    return false;
  }
  show(population, reading.format, source_.name());
  return true;
}

void PopulationWindow::show(const Population& population, const PopulationFormat& format,
                            const std::string& fileName) {
  clear(fileName);
  const PopulationSummary summary = summarize(population);
  const std::vector<std::string> lines = describe(summary, format, separator_);
  for (std::size_t i = 0; i < lines.size() && i < std::size(kValueBoxes); ++i) {
    const std::string& line = lines[i];
    const std::size_t colon = line.find(": ");
    label(kValueBoxes[i]).text = colon == std::string::npos ? line : line.substr(colon + 2);
  }
  const auto first = population.Populacao.begin() + 1;
  histogram_ =
      populationHistogram({&*first, static_cast<std::size_t>(summary.count)}, summary.mean);
  HistogramDescription d;
  d.count = summary.count;
  d.what = "valores da população";
  d.start = histogram_.start;
  d.classWidth = histogram_.scale.AmplitudeClasse;
  d.classes.assign(histogram_.counts.begin(), histogram_.counts.end());
  d.decimals = histogram_.labelDecimals;
  d.mean = label("MeanLBL").text;
  d.sd = label("SdLBL").text;
  description_ = d.sentence(separator_);
}

std::vector<Tone> PopulationWindow::tones() const {
  const std::vector<double> classes(histogram_.counts.begin(), histogram_.counts.end());
  return histogramTones(classes);
}

ControlStates PopulationWindow::controls() const {
  ControlStates states = labels_;
  states.push_back({std::string(kChartDescription), description_});
  return states;
}

void PopulationWindow::showSample(const std::optional<ShownSample>& sample) {
  sample_ = sample;
  ControlState& line = label("SampleLBL");
  if (!sample) {
    line.text = "Nenhuma média mostrada ainda: clique em Simular e peça a amostra de novo.";
    return;
  }
  line.text = "Amostra " + std::to_string(sample->number) + " de " + std::to_string(sample->of) +
              " (n = " + std::to_string(sample->values.size()) + "), média " +
              formatSignificant(sample->mean, 7, separator_) +
              ". Pontos laranja, na faixa sob o histograma: os valores da amostra; linha "
              "tracejada vermelha: a sua média; linha azul contínua: a média da população.";
}

DrawingList PopulationWindow::drawing(double width, double height) const {
  std::optional<SampleOverlay> overlay;
  if (sample_) overlay = SampleOverlay{sample_->values, sample_->mean};
  return populationChart(histogram_, overlay, width, height, measure_, separator_);
}

}  // namespace varnesk
