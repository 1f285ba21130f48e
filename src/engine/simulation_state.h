#pragma once
// The run state of one simulation window, and the procedures both windows share. What each
// window does of its own (its Load, its Simular, its seed) is its WindowProcedures.
#include <cstdint>
#include <optional>
#include <string>

#include "chart/chart_model.h"
#include "common/number_text.h"
#include "engine/population.h"
#include "engine/population_format.h"
#include "engine/run_seeder.h"
#include "engine/sampling_run.h"
#include "engine/simulation_controls.h"
#include "engine/standard_error.h"
#include "engine/window_environment.h"
#include "engine/window_traits.h"

namespace varnesk {

struct SimulationState {
  SimulationState(const WindowTraits& windowTraits, WindowEnvironment environment);

  const WindowTraits& traits;
  WindowEnvironment env;
  SimulationControls controls;
  ChartModel chart;
  Population population;
  SamplingRun run;
  ChartState chartState;
  std::optional<RunSeeder> seeder;
  std::optional<std::uint64_t> typedSeed = std::nullopt;  // "Definir semente…" in Form4
  std::uint64_t runSeed = 0;  // the seed of the last run, which draws its samples again
  bool keepSeeder = false;    // the next Load goes on with the seeder's runs ("Reiniciar")
  PopulationFormat format{};
  // Step-by-step window only.
  std::int32_t TotalRepeticoes = 0;
  float MediaPopulacao = 0;
  float SomaMedias = 0;
  bool showCurve = false;
  bool showPopulationMean = false;  // the instant window's line at μ, off until asked for
  StandardError theory{};           // of the population and n read at Load

  double shownRepetitions() const { return parseLeadingNumber(controls.NumeroRepeticoesTXT.text); }
  double sampleSize() const { return parseLeadingNumber(controls.TamanhodaAmostraTXT.text); }
  void setRepetitions(long long value) { controls.NumeroRepeticoesTXT.text = formatWhole(value); }

  // The design values again, as a window opening; the run state keeps what Load does not reset.
  void reset(const std::string& sampleSizeText);
  // Seeds the run's generator and reads the population; false, after saying why, when it
  // cannot be read or is smaller than the sample.
  bool loadPopulation();
  // The run, then its scale and X axis (in the instant window also its Y axis and columns).
  void GerarAmostras();
  void CalcularEstatisticas();
  void drawNormalCurve();
  // The instant window's line at μ, when asked for and once a run is shown.
  void showMeanLine();
  // The strip under the panel; `repetitions`: the R of the run, as the window shows it.
  void writeStatusLines(const std::string& repetitions);
};

}  // namespace varnesk
