// The step-by-step window (Form4): its whole run is drawn when it opens, and each click of
// Simular shows the next of its means, one more dot on the chart.
#include <algorithm>
#include <span>

#include "chart/dots.h"
#include "chart/grid.h"
#include "chart/y_axis.h"
#include "common/limits.h"
#include "engine/sampler.h"
#include "engine/simulation_state.h"
#include "engine/status_lines.h"
#include "engine/window_procedures.h"
#include "layout/window_layouts.h"

namespace varnesk {
namespace {

// The playback button's caption while the means are being added; otherwise its laid-out one.
constexpr std::string_view kPauseCaption = "Pausar";

// Fits the Y axis to the stage that the next steps build: the first 100, 500 or 1000 means of
// the run (FimEtapa), never past the run's own means.
void fitStepAxis(SimulationState& s) {
  const double shown = s.shownRepetitions();
  const auto& stages = s.traits.stages;
  const int FimEtapa = shown < stages[0] + 1   ? stages[0]
                       : shown < stages[1] + 1 ? stages[1]
                                               : stages[2];
  const auto count = static_cast<std::size_t>(std::min(FimEtapa, s.TotalRepeticoes));
  const std::span<const float> stage(s.run.Medias.data() + 1, count);
  MontarEixoY(s.chart, s.chartState, stage, static_cast<int>(shown), s.env.measure,
              s.env.separator);
}

// The whole run is drawn when the step-by-step window opens; the clicks replay its means.
void ExecutarSimulacao(SimulationState& s) {
  s.run.sortedMeans.ContagemOrdenadas = 0;
  s.env.platform.setBusy(true);
  MontarGrade(s.chart, s.chartState);
  s.GerarAmostras();
  s.env.platform.setBusy(false);
}

void setPlaying(SimulationState& s, bool on) {
  ControlState& play = s.controls.PlayButton;
  play.checked = on && s.controls.Command1.enabled;
  play.enabled = s.controls.Command1.enabled;
  play.text = play.checked ? std::string(kPauseCaption)
                           : simulationLayout(s.traits.kind).control(play.name).caption;
}

class StepByStepProcedures final : public WindowProcedures {
 public:
  bool Load(SimulationState& s, const std::string&, const std::string& repetitions) const override {
    const double total = roundHalfEven(parseLeadingNumber(repetitions));
    s.TotalRepeticoes = static_cast<std::int32_t>(std::clamp(total, 0.0, double{kMaxMeans}));
    s.SomaMedias = 0;
    if (!s.loadPopulation()) return false;
    s.setRepetitions(s.TotalRepeticoes);
    ExecutarSimulacao(s);
    std::fill_n(s.chartState.Frequencias.begin(), s.chartState.scale.NumeroClasses + 1, 0.0);
    s.setRepetitions(s.traits.stages[0]);
    fitStepAxis(s);
    s.controls.NumeroRepeticoesTXT.text = "0";
    s.controls.NumeroRepeticoesTXT.enabled = false;
    std::fill(s.run.sortedMeans.MediasOrdenadas.begin(), s.run.sortedMeans.MediasOrdenadas.end(),
              0.0f);
    s.run.sortedMeans.ContagemOrdenadas = 0;
    s.writeStatusLines(this->repetitions(s));
    return true;
  }

  void simulate(SimulationState& s) const override {
    const double shown = s.shownRepetitions();
    // Past the end of the run there is no mean left to show.
    if (!(shown >= 0) || shown >= s.TotalRepeticoes || !s.controls.Command1.enabled) return;
    if (shown == s.traits.stages[0] + 1 || shown == s.traits.stages[1] + 1) fitStepAxis(s);
    const auto r = static_cast<std::int32_t>(shown) + 1;
    s.setRepetitions(r);
    const float x = s.run.Medias[static_cast<std::size_t>(r)];
    s.SomaMedias = static_cast<float>(static_cast<double>(s.SomaMedias) + x);
    s.run.sortedMeans.OrdenarMedias(x);
    s.run.MediaGeral = static_cast<double>(s.SomaMedias) / r;
    AjustarColunas(s.chart, s.chartState, x);
    s.CalcularEstatisticas();
    s.drawNormalCurve();
    s.controls.ProgressLBL.text = progressLine(r, s.TotalRepeticoes, s.env.separator);
    if (s.shownRepetitions() == s.TotalRepeticoes) {
      s.controls.Command1.enabled = false;
      setPlaying(s, false);
    }
  }

  // The window opens again on that seed's run, as `varnesk --semente` would open it.
  void setSeed(SimulationState& s, std::uint64_t seed) const override {
    s.typedSeed = seed;
    const std::string sampleSize = s.controls.TamanhodaAmostraTXT.text;  // Load resets it
    s.reset(sampleSize);
    Load(s, sampleSize, formatWhole(s.TotalRepeticoes));
  }

  // The window opens again on its seeder's next run: a seed of its own picked anew, or the next
  // run of the seed it was given, so that the class can redo it.
  void restart(SimulationState& s) const override {
    s.keepSeeder = true;
    const std::string sampleSize = s.controls.TamanhodaAmostraTXT.text;
    s.reset(sampleSize);
    Load(s, sampleSize, formatWhole(s.TotalRepeticoes));
  }

  void playPause(SimulationState& s) const override {
    setPlaying(s, !s.controls.PlayButton.checked);
  }

  std::string repetitions(const SimulationState& s) const override {
    return formatWhole(s.TotalRepeticoes);
  }

  bool partial(const SimulationState& s) const override {
    return s.run.sortedMeans.ContagemOrdenadas < s.TotalRepeticoes;
  }

  std::optional<ShownSample> latestSample(const SimulationState& s) const override {
    const double shown = s.shownRepetitions();
    if (!(shown >= 1) || shown > s.TotalRepeticoes) return std::nullopt;
    const auto r = static_cast<std::int32_t>(shown);
    const std::int32_t n = wholeCount(s.sampleSize(), s.population.TamanhoPopulacao);
    ShownSample sample{r, s.TotalRepeticoes, {}, s.run.Medias[static_cast<std::size_t>(r)]};
    for (std::int32_t p :
         redrawSample(s.population, n, s.runSeed, static_cast<std::size_t>(r - 1)).positions)
      sample.values.push_back(s.population.Populacao[static_cast<std::size_t>(p)]);
    return sample;
  }
};

}  // namespace

const WindowProcedures& stepByStepProcedures() {
  static const StepByStepProcedures procedures;
  return procedures;
}

}  // namespace varnesk
