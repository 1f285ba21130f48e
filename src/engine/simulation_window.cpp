#include "engine/simulation_window.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "chart/dots.h"
#include "chart/grid.h"
#include "chart/normal_curve.h"
#include "chart/x_axis.h"
#include "chart/y_axis.h"
#include "common/messages.h"
#include "common/number_text.h"
#include "engine/configuration.h"
#include "engine/means_csv.h"
#include "engine/population.h"
#include "engine/run_seeder.h"
#include "engine/sampler.h"
#include "engine/sampling_run.h"
#include "engine/standard_error.h"
#include "engine/status_lines.h"
#include "layout/window_layouts.h"

namespace varnesk {

struct SimulationWindow::State {
  const WindowTraits& traits;
  WindowEnvironment env;
  WindowModel model;
  Population population;
  SamplingRun run;
  ChartState chart;
  std::optional<RunSeeder> seeder;
  std::optional<std::uint64_t> typedSeed = std::nullopt;  // "Definir semente…" in Form4
  std::uint64_t runSeed = 0;  // the seed of the last run, which draws its samples again
  PopulationFormat format{};
  // Step-by-step window only.
  std::int32_t TotalRepeticoes = 0;
  float MediaPopulacao = 0;
  float SomaMedias = 0;
  bool showCurve = false;
  StandardError theory{};  // of the population and n read at Load

  double shownRepetitions() const { return parseLeadingNumber(model.NumeroRepeticoesTXT.text); }
  void setRepetitions(long long value) { model.NumeroRepeticoesTXT.text = formatWhole(value); }

  bool loadPopulation();
  void GerarAmostras();
  void CalcularEstatisticas();
  void fitStepAxis();
  void ExecutarSimulacao();
  void setPlaying(bool on);
  void simulateInstant();
  void simulateStep();
  void drawNormalCurve();
  void writeStatusLines();
};

bool SimulationWindow::State::loadPopulation() {
  if (typedSeed)
    seeder.emplace(*std::exchange(typedSeed, std::nullopt));
  else if (env.seed)
    seeder.emplace(env.seed());
  else
    seeder.emplace(env.pickSeed ? env.pickSeed : std::function<std::uint64_t()>(shortSeed));
  const PopulationReading reading =
      LerPopulacao(env.population.file, population, env.population.options);
  if (!reading.ok) {
    env.platform.showMessage(reading.message);
    return false;
  }
  // A sample larger than the population is refused as every other sample size is: with its
  // message and the focus on the box to correct, which belongs to the configuration screen.
  if (const auto problem =
          refuseSampleSize(parseLeadingNumber(model.TamanhodaAmostraTXT.text), population)) {
    env.platform.showMessage(*problem);
    env.platform.setFocus(model.TamanhodaAmostraTXT.name);
    return false;
  }
  MediaPopulacao = static_cast<float>(reading.sum / population.TamanhoPopulacao);
  format = reading.format;
  const long long n = wholeShown(parseLeadingNumber(model.TamanhodaAmostraTXT.text));
  theory = n >= 1 ? standardError(population, static_cast<std::int32_t>(n)) : StandardError{};
  return true;
}

// The run, then its scale and X axis (in the instant window also its Y axis and columns).
void SimulationWindow::State::GerarAmostras() {
  runSeed = seeder->nextRunSeed();
  varnesk::GerarAmostras(population, parseLeadingNumber(model.TamanhodaAmostraTXT.text),
                         shownRepetitions(), runSeed, traits.precision, run);
  chart.scale = EscolherEscala(run.MenorMedia, run.MaiorMedia, traits.chart);
  MontarEixoX(traits.chart, model.chart, chart,
              {run.sortedMeans.values(), run.MenorMedia, MediaPopulacao}, env.measure,
              env.separator);
}

void SimulationWindow::State::CalcularEstatisticas() {
  const Statistics s = varnesk::CalcularEstatisticas(run.sortedMeans.values(), run.MediaGeral,
                                                     traits.precision, env.separator);
  model.MedianaLBL.caption = s.median;
  model.Q1LBL.caption = s.q1;
  model.Q3LBL.caption = s.q3;
  model.MinimoLBL.caption = s.minimum;
  model.MaximoLBL.caption = s.maximum;
  model.MediaLBL.caption = s.mean;
  model.dpLBL.caption = s.sd;
}

// Fits the Y axis to the stage that the next steps build: the first 100, 500 or 1000 means of
// the run (FimEtapa), never past the run's own means.
void SimulationWindow::State::fitStepAxis() {
  const double shown = shownRepetitions();
  const auto& stages = traits.stages;
  const int FimEtapa = shown < stages[0] + 1   ? stages[0]
                       : shown < stages[1] + 1 ? stages[1]
                                               : stages[2];
  const auto count = static_cast<std::size_t>(std::min(FimEtapa, TotalRepeticoes));
  const std::span<const float> stage(run.Medias.data() + 1, count);
  MontarEixoY(model.chart, chart, stage, static_cast<int>(shown), env.measure, env.separator);
}

// The whole run is drawn when the step-by-step window opens; the clicks replay its means.
void SimulationWindow::State::ExecutarSimulacao() {
  run.sortedMeans.ContagemOrdenadas = 0;
  env.platform.setBusy(true);
  MontarGrade(model.chart, chart);
  GerarAmostras();
  env.platform.setBusy(false);
}

void SimulationWindow::State::simulateInstant() {
  Platform& platform = env.platform;
  run.sortedMeans.ContagemOrdenadas = 0;
  if (const auto problem = instantRepetitionsProblem(shownRepetitions())) {
    platform.showMessage(std::string(*problem));
    platform.setFocus(model.NumeroRepeticoesTXT.name);
    return;
  }
  platform.setBusy(true);
  MontarGrade(model.chart, chart);
  GerarAmostras();
  CalcularEstatisticas();
  drawNormalCurve();
  platform.setBusy(false);
}

// On the percent axis the curve is the share of the means per class; on the step-by-step
// window's count axis it is the number of means expected among those shown so far, so it grows
// with the dots and fits the axis that they fit.
void SimulationWindow::State::drawNormalCurve() {
  model.chart.NormalCurve.clear();
  const std::int32_t shown = run.sortedMeans.ContagemOrdenadas;
  if (!showCurve || shown == 0) return;
  const double means = traits.chart.percentAxis ? 100.0 : shown;
  model.chart.NormalCurve =
      normalCurve(model.chart, chart, run.MenorMedia, theory.mean, theory.correctedSe, means);
}

void SimulationWindow::State::writeStatusLines() {
  const long long repetitions =
      traits.stepByStep ? TotalRepeticoes : wholeShown(shownRepetitions());
  const std::int32_t n[] = {
      static_cast<std::int32_t>(wholeShown(parseLeadingNumber(model.TamanhodaAmostraTXT.text)))};
  model.PopulationLBL.caption = populationLine(env.population.name(), population.TamanhoPopulacao,
                                               n, repetitions, env.separator);
  model.StandardErrorLBL.caption = standardErrorLine(theory.correctedSe, env.separator);
  if (traits.stepByStep)
    model.ProgressLBL.caption =
        progressLine(run.sortedMeans.ContagemOrdenadas, TotalRepeticoes, env.separator);
}

void SimulationWindow::State::simulateStep() {
  const double shown = shownRepetitions();
  // Past the end of the run there is no mean left to show.
  if (!(shown >= 0) || shown >= TotalRepeticoes || !model.Command1.enabled) return;
  if (shown == traits.stages[0] + 1 || shown == traits.stages[1] + 1) fitStepAxis();
  const auto r = static_cast<std::int32_t>(shown) + 1;
  setRepetitions(r);
  const float x = run.Medias[static_cast<std::size_t>(r)];
  SomaMedias = static_cast<float>(static_cast<double>(SomaMedias) + x);
  run.sortedMeans.OrdenarMedias(x);
  run.MediaGeral = static_cast<double>(SomaMedias) / r;
  AjustarColunas(model.chart, chart, x);
  CalcularEstatisticas();
  drawNormalCurve();
  model.ProgressLBL.caption = progressLine(r, TotalRepeticoes, env.separator);
  if (shownRepetitions() == TotalRepeticoes) {
    model.Command1.enabled = false;
    setPlaying(false);
  }
}

void SimulationWindow::State::setPlaying(bool on) {
  model.playing = on && model.Command1.enabled;
  model.PlayButton.enabled = model.Command1.enabled;
  model.playCaption = model.playing ? std::string(kPauseCaption)
                                    : simulationLayout(traits.kind).control("PlayButton").caption;
}

SimulationWindow::SimulationWindow(WindowKind kind, WindowEnvironment environment)
    : state_(std::make_unique<State>(
          State{traitsOf(kind), std::move(environment), initialModel(kind), {}, {}, {}, {}})) {}

SimulationWindow::~SimulationWindow() = default;

bool SimulationWindow::Load(const std::string& sampleSizeText, const std::string& repetitionsText) {
  State& s = *state_;
  // A window opens with its design values; the run state keeps what Load does not reset.
  s.model = initialModel(s.traits.kind);
  s.model.TamanhodaAmostraTXT.text = sampleSizeText;
  if (!s.traits.stepByStep) {
    s.model.NumeroRepeticoesTXT.text = repetitionsText;
    s.run.MaiorMedia = s.run.MenorMedia = 0;
    s.run.sortedMeans.ContagemOrdenadas = 0;
    if (!s.loadPopulation()) return false;
    MontarGrade(s.model.chart, s.chart);
    std::fill(s.run.sortedMeans.MediasOrdenadas.begin(), s.run.sortedMeans.MediasOrdenadas.end(),
              0.0f);
    s.chart.Frequencias.fill(0);
    s.writeStatusLines();
    return true;
  }
  const double total = roundHalfEven(parseLeadingNumber(repetitionsText));
  s.TotalRepeticoes = static_cast<std::int32_t>(std::clamp(total, 0.0, double{kMaxMeans}));
  s.SomaMedias = 0;
  s.run.MaiorMedia = s.run.MenorMedia = 0;
  s.run.sortedMeans.ContagemOrdenadas = 0;
  if (!s.loadPopulation()) return false;
  s.setRepetitions(s.TotalRepeticoes);
  s.ExecutarSimulacao();
  std::fill_n(s.chart.Frequencias.begin(), s.chart.scale.NumeroClasses + 1, 0.0);
  s.setRepetitions(s.traits.stages[0]);
  s.fitStepAxis();
  s.model.NumeroRepeticoesTXT.text = "0";
  s.model.NumeroRepeticoesTXT.enabled = false;
  std::fill(s.run.sortedMeans.MediasOrdenadas.begin(), s.run.sortedMeans.MediasOrdenadas.end(),
            0.0f);
  s.run.sortedMeans.ContagemOrdenadas = 0;
  s.writeStatusLines();
  return true;
}

bool SimulationWindow::setSeed(const std::string& text) {
  State& s = *state_;
  const auto first = text.find_first_not_of(' ');
  const std::string_view typed =
      first == std::string::npos
          ? std::string_view{}
          : std::string_view(text).substr(first, text.find_last_not_of(' ') - first + 1);
  std::uint64_t seed = 0;
  if (!parseSeed(typed, seed)) {
    s.env.platform.showMessage(std::string(messages::kBadSeedInWindow));
    return false;
  }
  if (!s.traits.stepByStep) {
    s.seeder.emplace(seed);
    s.simulateInstant();
    return true;
  }
  // The step-by-step window opens again on that seed's run, as `varnesk --semente` would open it.
  s.typedSeed = seed;
  const std::string sampleSize = s.model.TamanhodaAmostraTXT.text;  // Load resets the model
  Load(sampleSize, formatWhole(s.TotalRepeticoes));
  return true;
}

void SimulationWindow::playPause() {
  if (state_->traits.stepByStep) state_->setPlaying(!state_->model.playing);
}

void SimulationWindow::simulate() {
  if (state_->traits.stepByStep)
    state_->simulateStep();
  else
    state_->simulateInstant();
}

void SimulationWindow::simulateMany(int times) {
  for (int i = 0; i < times && state_->model.Command1.enabled; ++i) simulate();
}

void SimulationWindow::showNormalCurve(bool show) {
  state_->showCurve = show && state_->traits.normalCurve;
  state_->drawNormalCurve();
}

std::uint64_t SimulationWindow::seed() const { return state_->seeder ? state_->seeder->seed() : 0; }
int SimulationWindow::runNumber() const { return state_->seeder ? state_->seeder->runCount() : 0; }

std::string SimulationWindow::seedLine() const {
  const bool picking = !state_->seeder || state_->seeder->picksSeeds();
  if (runNumber() == 0)
    return picking ? "Semente: nenhuma simulação ainda"
                   : "Semente " + std::to_string(seed()) + " · nenhuma simulação ainda";
  const std::string line = "Semente " + std::to_string(seed());
  return runNumber() == 1 ? line : line + " · simulação " + std::to_string(runNumber());
}

std::string SimulationWindow::meansCsv() const {
  const State& s = *state_;
  const CsvHeader header{
      s.env.population.file.string(),
      s.population.TamanhoPopulacao,
      s.model.TamanhodaAmostraTXT.text,
      s.traits.stepByStep ? formatWhole(s.TotalRepeticoes) : s.model.NumeroRepeticoesTXT.text,
      seed(),
      runNumber()};
  return varnesk::meansCsv(header, {s.run.Medias.data() + 1,
                                    static_cast<std::size_t>(s.run.sortedMeans.ContagemOrdenadas)});
}

ChartCaption SimulationWindow::chartCaption() const {
  const State& s = *state_;
  ChartCaption c{s.model.PopulationLBL.caption,
                 s.run.sortedMeans.ContagemOrdenadas,
                 s.traits.stepByStep && s.run.sortedMeans.ContagemOrdenadas < s.TotalRepeticoes,
                 seedLine(),
                 {}};
  for (std::size_t i = 0; i < kPanelBoxes.size(); ++i)
    c.statistics[i] = (s.model.*kPanelBoxes[i].box).caption;
  return c;
}

std::string SimulationWindow::tabulatedStatistics() const {
  return varnesk::tabulatedStatistics(state_->model);
}

std::string SimulationWindow::classTable() const {
  const State& s = *state_;
  if (s.run.sortedMeans.ContagemOrdenadas == 0) return {};
  const Scale& scale = s.chart.scale;
  const int first = s.traits.chart.firstClass;
  std::string table;
  for (int c = first; c <= scale.NumeroClasses; ++c) {
    const double start = s.run.MenorMedia + (c - first) * scale.AmplitudeClasse;
    const double value = s.chart.Frequencias[static_cast<std::size_t>(c)];
    table += formatFixed(start, 2, s.env.separator) + " a " +
             formatFixed(start + scale.AmplitudeClasse, 2, s.env.separator) + ": " +
             (s.traits.chart.percentAxis ? formatFixed(value, 1, s.env.separator) + " %"
                                         : formatWhole(static_cast<long long>(value)) + " médias") +
             "\n";
  }
  return table;
}

const WindowModel& SimulationWindow::model() const { return state_->model; }
const WindowTraits& SimulationWindow::traits() const { return state_->traits; }
const SamplingRun& SimulationWindow::run() const { return state_->run; }
const Population& SimulationWindow::population() const { return state_->population; }
const PopulationSource& SimulationWindow::populationSource() const {
  return state_->env.population;
}
const PopulationFormat& SimulationWindow::populationFormat() const { return state_->format; }

std::optional<ShownSample> SimulationWindow::latestSample() const {
  const State& s = *state_;
  const double shown = s.shownRepetitions();
  if (!s.traits.stepByStep || !(shown >= 1) || shown > s.TotalRepeticoes) return std::nullopt;
  const auto r = static_cast<std::int32_t>(shown);
  const std::int32_t n = wholeCount(parseLeadingNumber(s.model.TamanhodaAmostraTXT.text),
                                    s.population.TamanhoPopulacao);
  ShownSample sample{r, s.TotalRepeticoes, {}, s.run.Medias[static_cast<std::size_t>(r)]};
  for (std::int32_t p :
       redrawSample(s.population, n, s.runSeed, static_cast<std::size_t>(r - 1)).positions)
    sample.values.push_back(s.population.Populacao[static_cast<std::size_t>(p)]);
  return sample;
}

const Scale& SimulationWindow::scale() const { return state_->chart.scale; }
const std::array<double, kFrequencySlots>& SimulationWindow::Frequencias() const {
  return state_->chart.Frequencias;
}

}  // namespace varnesk
