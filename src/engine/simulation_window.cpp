#include "engine/simulation_window.h"

#include <utility>

#include "chart/chart_drawing.h"
#include "chart/histogram_description.h"
#include "common/messages.h"
#include "common/number_text.h"
#include "engine/means_csv.h"
#include "engine/simulation_state.h"
#include "engine/status_lines.h"
#include "layout/window_layouts.h"

namespace varnesk {
namespace {

const WindowProcedures& proceduresOf(const SimulationState& s) { return s.traits.procedures(); }

}  // namespace

SimulationWindow::SimulationWindow(WindowKind kind, WindowEnvironment environment)
    : state_(std::make_unique<SimulationState>(traitsOf(kind), std::move(environment))) {}

SimulationWindow::~SimulationWindow() = default;

bool SimulationWindow::Load(const std::string& sampleSizeText, const std::string& repetitionsText) {
  state_->reset(sampleSizeText);
  return proceduresOf(*state_).Load(*state_, sampleSizeText, repetitionsText);
}

bool SimulationWindow::setSeed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  const std::string_view typed =
      first == std::string::npos
          ? std::string_view{}
          : std::string_view(text).substr(first, text.find_last_not_of(' ') - first + 1);
  std::uint64_t seed = 0;
  if (!parseSeed(typed, seed)) {
    state_->env.platform.showMessage(std::string(messages::kBadSeedInWindow));
    return false;
  }
  proceduresOf(*state_).setSeed(*state_, seed);
  return true;
}

void SimulationWindow::playPause() { proceduresOf(*state_).playPause(*state_); }
bool SimulationWindow::playing() const { return state_->controls.PlayButton.checked; }
void SimulationWindow::restart() { proceduresOf(*state_).restart(*state_); }

void SimulationWindow::simulate() { proceduresOf(*state_).simulate(*state_); }

void SimulationWindow::simulateMany(int times) {
  for (int i = 0; i < times && state_->controls.Command1.enabled; ++i) simulate();
}

void SimulationWindow::showNormalCurve(bool show) {
  state_->showCurve = show && state_->traits.normalCurve;
  state_->drawNormalCurve();
}

void SimulationWindow::showPopulationMean(bool show) {
  state_->showPopulationMean = show && state_->traits.populationMeanOption;
  state_->showMeanLine();
}

std::uint64_t SimulationWindow::seed() const { return state_->seeder ? state_->seeder->seed() : 0; }
int SimulationWindow::runNumber() const { return state_->seeder ? state_->seeder->runCount() : 0; }

std::string SimulationWindow::seedLine() const {
  return varnesk::seedLine(seed(), runNumber(), !state_->seeder || state_->seeder->picksSeeds());
}

std::string SimulationWindow::meansCsv() const {
  const SimulationState& s = *state_;
  const CsvHeader header{s.env.population.file.string(),
                         s.population.TamanhoPopulacao,
                         s.controls.TamanhodaAmostraTXT.text,
                         proceduresOf(s).repetitions(s),
                         seed(),
                         runNumber()};
  return varnesk::meansCsv(header, {s.run.Medias.data() + 1,
                                    static_cast<std::size_t>(s.run.sortedMeans.ContagemOrdenadas)});
}

ChartCaption SimulationWindow::chartCaption() const {
  const SimulationState& s = *state_;
  ChartCaption c{s.controls.PopulationLBL.text,
                 s.run.sortedMeans.ContagemOrdenadas,
                 proceduresOf(s).partial(s),
                 seedLine(),
                 {}};
  for (std::size_t i = 0; i < c.statistics.size(); ++i) c.statistics[i] = s.controls.panel[i].text;
  return c;
}

std::string SimulationWindow::tabulatedStatistics() const {
  std::array<std::string, kPanelNames.size()> values;
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = state_->controls.panel[i].text;
  return varnesk::tabulatedStatistics(values);
}

std::string SimulationWindow::classTable() const {
  const SimulationState& s = *state_;
  if (s.run.sortedMeans.ContagemOrdenadas == 0) return {};
  const Scale& scale = s.chartState.scale;
  const int first = s.traits.chart.firstClass;
  std::string table;
  for (int c = first; c <= scale.NumeroClasses; ++c) {
    const double start = s.run.MenorMedia + (c - first) * scale.AmplitudeClasse;
    const double value = s.chartState.Frequencias[static_cast<std::size_t>(c)];
    table += formatFixed(start, 2, s.env.separator) + " a " +
             formatFixed(start + scale.AmplitudeClasse, 2, s.env.separator) + ": " +
             (s.traits.chart.percentAxis ? formatFixed(value, 1, s.env.separator) + " %"
                                         : formatWhole(static_cast<long long>(value)) + " médias") +
             "\n";
  }
  return table;
}

namespace {

// The classes drawn, left to right: percentages or counts of the means shown.
std::vector<double> classesShown(const SimulationState& s) {
  std::vector<double> classes;
  if (s.run.sortedMeans.ContagemOrdenadas == 0) return classes;
  for (int c = s.traits.chart.firstClass; c <= s.chartState.scale.NumeroClasses; ++c)
    classes.push_back(s.chartState.Frequencias[static_cast<std::size_t>(c)]);
  return classes;
}

}  // namespace

std::vector<Tone> SimulationWindow::tones() const { return histogramTones(classesShown(*state_)); }

std::string SimulationWindow::chartDescription() const {
  const SimulationState& s = *state_;
  const Scale& scale = s.chartState.scale;
  HistogramDescription d;
  d.count = s.run.sortedMeans.ContagemOrdenadas;
  d.what = "médias amostrais";
  d.start = s.run.MenorMedia;
  d.classWidth = scale.AmplitudeClasse;
  d.classes = classesShown(s);
  d.mean = s.controls.panel[5].text;  // MediaLBL
  d.sd = s.controls.panel[6].text;    // dpLBL
  return d.sentence(s.env.separator);
}

ControlStates SimulationWindow::controls() const {
  ControlStates states = state_->controls.list();
  states.push_back({"Shape1", classTable()});
  states.push_back({"SeedLBL", seedLine()});
  states.push_back({std::string(kChartDescription), chartDescription()});
  return states;
}

DrawingList SimulationWindow::drawing(double, double) const {
  return drawChart(state_->chart, simulationLayout(state_->traits.kind));
}

const ChartModel& SimulationWindow::chart() const { return state_->chart; }
const WindowTraits& SimulationWindow::traits() const { return state_->traits; }
const SamplingRun& SimulationWindow::run() const { return state_->run; }
const Population& SimulationWindow::population() const { return state_->population; }
const PopulationSource& SimulationWindow::populationSource() const {
  return state_->env.population;
}
const PopulationFormat& SimulationWindow::populationFormat() const { return state_->format; }

std::optional<ShownSample> SimulationWindow::latestSample() const {
  return proceduresOf(*state_).latestSample(*state_);
}

const Scale& SimulationWindow::scale() const { return state_->chartState.scale; }
const std::array<double, kFrequencySlots>& SimulationWindow::Frequencias() const {
  return state_->chartState.Frequencias;
}

}  // namespace varnesk
