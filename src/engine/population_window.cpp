#include "engine/population_window.h"

#include <algorithm>

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

PopulationWindow::PopulationWindow(char decimalSeparator, TextMeasure measure)
    : separator_(decimalSeparator), measure_(std::move(measure)) {
  labels_.push_back({"FileNameLBL", ""});
  for (const char* name : kValueBoxes) labels_.push_back({name, ""});
  labels_.push_back({"MessageLBL", ""});
  labels_.push_back({"SampleLBL", ""});
}

Label& PopulationWindow::label(const std::string& name) {
  return *std::find_if(labels_.begin(), labels_.end(),
                       [&](const Label& l) { return l.name == name; });
}

const std::string& PopulationWindow::caption(const std::string& name) const {
  return const_cast<PopulationWindow*>(this)->label(name).caption;
}

void PopulationWindow::clear(const std::string& fileName) {
  for (Label& l : labels_) l.caption.clear();
  label("FileNameLBL").caption = fileName;
  histogram_ = {};
  sample_.reset();
}

bool PopulationWindow::Load(const PopulationSource& source) {
  Population population;
  const PopulationReading reading = LerPopulacao(source.file, population, source.options);
  if (!reading.ok) {
    clear(source.name());
    label("MessageLBL").caption = reading.message;
    return false;
  }
  show(population, reading.format, source.name());
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
    label(kValueBoxes[i]).caption = colon == std::string::npos ? line : line.substr(colon + 2);
  }
  const auto first = population.Populacao.begin() + 1;
  histogram_ =
      populationHistogram({&*first, static_cast<std::size_t>(summary.count)}, summary.mean);
}

void PopulationWindow::showSample(const std::optional<ShownSample>& sample) {
  sample_ = sample;
  Label& line = label("SampleLBL");
  if (!sample) {
    line.caption = "Nenhuma média mostrada ainda: clique em Simular e peça a amostra de novo.";
    return;
  }
  line.caption = "Amostra " + std::to_string(sample->number) + " de " + std::to_string(sample->of) +
                 " (n = " + std::to_string(sample->values.size()) + "), média " +
                 formatSignificant(sample->mean, 7, separator_) +
                 ". Pontos verdes: os valores da amostra; linha verde: a sua média; linha azul: a "
                 "média da população.";
}

DrawingList PopulationWindow::chart(double width, double height) const {
  std::optional<SampleOverlay> overlay;
  if (sample_) overlay = SampleOverlay{sample_->values, sample_->mean};
  return populationChart(histogram_, overlay, width, height, measure_, separator_);
}

}  // namespace varnesk
