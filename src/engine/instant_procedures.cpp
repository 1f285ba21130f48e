// The instant window (form1): Simular draws a whole run of up to 5000 means at once.
#include <algorithm>

#include "chart/grid.h"
#include "engine/configuration.h"
#include "engine/simulation_state.h"
#include "engine/window_procedures.h"

namespace varnesk {
namespace {

class InstantProcedures final : public WindowProcedures {
 public:
  bool Load(SimulationState& s, const std::string&, const std::string& repetitions) const override {
    s.controls.NumeroRepeticoesTXT.text = repetitions;
    if (!s.loadPopulation()) return false;
    MontarGrade(s.chart, s.chartState);
    std::fill(s.run.sortedMeans.MediasOrdenadas.begin(), s.run.sortedMeans.MediasOrdenadas.end(),
              0.0f);
    s.chartState.Frequencias.fill(0);
    s.writeStatusLines(this->repetitions(s));
    return true;
  }

  void simulate(SimulationState& s) const override {
    Platform& platform = s.env.platform;
    s.run.sortedMeans.ContagemOrdenadas = 0;
    if (const auto problem = instantRepetitionsProblem(s.shownRepetitions())) {
      platform.showMessage(std::string(*problem));
      platform.setFocus(s.controls.NumeroRepeticoesTXT.name);
      return;
    }
    platform.setBusy(true);
    MontarGrade(s.chart, s.chartState);
    s.GerarAmostras();
    s.CalcularEstatisticas();
    s.drawNormalCurve();
    s.showMeanLine();
    platform.setBusy(false);
  }

  void setSeed(SimulationState& s, std::uint64_t seed) const override {
    s.seeder.emplace(seed);
    simulate(s);
  }

  std::string repetitions(const SimulationState& s) const override {
    return s.controls.NumeroRepeticoesTXT.text;
  }
};

}  // namespace

const WindowProcedures& instantProcedures() {
  static const InstantProcedures procedures;
  return procedures;
}

}  // namespace varnesk
