#include "engine/simulation_state.h"

#include <algorithm>
#include <utility>

#include "chart/grid.h"
#include "chart/normal_curve.h"
#include "chart/x_axis.h"
#include "engine/configuration.h"
#include "engine/status_lines.h"
#include "layout/window_layouts.h"
#include "stats/statistics.h"

namespace varnesk {

SimulationState::SimulationState(const WindowTraits& windowTraits, WindowEnvironment environment)
    : traits(windowTraits),
      env(std::move(environment)),
      controls(initialControls(simulationLayout(traits.kind))),
      chart(initialChart(simulationLayout(traits.kind))) {}

void SimulationState::reset(const std::string& sampleSizeText) {
  const WindowLayout& layout = simulationLayout(traits.kind);
  controls = initialControls(layout);
  chart = initialChart(layout);
  controls.TamanhodaAmostraTXT.text = sampleSizeText;
  run.MaiorMedia = run.MenorMedia = 0;
  run.sortedMeans.ContagemOrdenadas = 0;
}

bool SimulationState::loadPopulation() {
  if (std::exchange(keepSeeder, false) && seeder)
    ;  // the runs go on
  else if (typedSeed)
    seeder.emplace(*std::exchange(typedSeed, std::nullopt));
  else if (env.seed)
    seeder.emplace(env.seed());
  else
    seeder.emplace(env.pickSeed ? env.pickSeed : std::function<std::uint64_t()>(shortSeed));
  const PopulationReading reading = LerPopulacao(env.population, population);
  if (!reading.ok) {
    env.platform.showMessage(reading.message);
    return false;
  }
  // A sample larger than the population is refused as every other sample size is: with its
  // message and the focus on the box to correct, which belongs to the configuration screen.
  if (const auto problem = refuseSampleSize(sampleSize(), population)) {
    env.platform.showMessage(*problem);
    env.platform.setFocus(controls.TamanhodaAmostraTXT.name);
    return false;
  }
  MediaPopulacao = static_cast<float>(reading.sum / population.TamanhoPopulacao);
  format = reading.format;
  const long long n = wholeShown(sampleSize());
  theory = n >= 1 ? standardError(population, static_cast<std::int32_t>(n)) : StandardError{};
  return true;
}

void SimulationState::GerarAmostras() {
  runSeed = seeder->nextRunSeed();
  varnesk::GerarAmostras(population, sampleSize(), shownRepetitions(), runSeed, traits.precision,
                         run);
  chartState.scale = EscolherEscala(run.MenorMedia, run.MaiorMedia, traits.chart);
  MontarEixoX(traits.chart, chart, chartState,
              {run.sortedMeans.values(), run.MenorMedia, MediaPopulacao}, env.measure,
              env.separator);
}

void SimulationState::CalcularEstatisticas() {
  const Statistics s = varnesk::CalcularEstatisticas(run.sortedMeans.values(), run.MediaGeral,
                                                     traits.precision, env.separator);
  const std::array<const std::string*, kPanelNames.size()> inPanelOrder{
      &s.minimum, &s.q1, &s.median, &s.q3, &s.maximum, &s.mean, &s.sd};
  for (std::size_t i = 0; i < inPanelOrder.size(); ++i) controls.panel[i].text = *inPanelOrder[i];
}

// On the percent axis the curve is the share of the means per class; on the step-by-step
// window's count axis it is the number of means expected among those shown so far, so it grows
// with the dots and fits the axis that they fit.
void SimulationState::drawNormalCurve() {
  chart.NormalCurve.clear();
  const std::int32_t shown = run.sortedMeans.ContagemOrdenadas;
  if (!showCurve || shown == 0) return;
  const double means = traits.chart.percentAxis ? 100.0 : shown;
  chart.NormalCurve =
      normalCurve(chart, chartState, run.MenorMedia, theory.mean, theory.correctedSe, means);
}

void SimulationState::showMeanLine() {
  if (traits.populationMeanOption)
    chart.MediaLIN.visible = showPopulationMean && run.sortedMeans.ContagemOrdenadas > 0 &&
                             insideFrame(chart, chart.MediaLIN);
}

void SimulationState::writeStatusLines(const std::string& repetitions) {
  const std::int32_t n[] = {static_cast<std::int32_t>(wholeShown(sampleSize()))};
  controls.PopulationLBL.text =
      populationLine(env.population.name(), population.TamanhoPopulacao, n,
                     wholeShown(parseLeadingNumber(repetitions)), env.separator);
  controls.StandardErrorLBL.text = standardErrorLine(theory.correctedSe, env.separator);
  if (!controls.ProgressLBL.name.empty())
    controls.ProgressLBL.text =
        progressLine(run.sortedMeans.ContagemOrdenadas, TotalRepeticoes, env.separator);
}

}  // namespace varnesk
