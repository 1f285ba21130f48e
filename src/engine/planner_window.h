#pragma once
// The logic of the window "Tamanho da amostra": the sample size that a margin of error E needs
// at a level, from the population's N and σ (divisor N): n0 = (z·σ/E)², then
// n = ⌈n0 / (1 + (n0 − 1)/N)⌉ with the finite population correction, each step said in words;
// then that n checked by simulation: R samples drawn as the sampling run draws them, their
// achieved margins (the intervals' half-widths, t and the correction), how many stay within E,
// and the coverage.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/interval_run.h"
#include "engine/population.h"
#include "engine/run_seeder.h"
#include "engine/window_environment.h"
#include "engine/window_logic.h"

namespace varnesk {

// The plan for a margin and a level.
struct SamplePlan {
  double margin = 0, z = 0, sigma = 0;
  std::int32_t N = 0;
  double n0 = 0;       // without the correction
  std::int64_t n = 0;  // with it, rounded up
};

SamplePlan planSampleSize(double margin, int level, double sigma, std::int32_t N);

// A margin as the teacher types it, with a decimal point or a decimal comma: a number above 0,
// or its message.
std::optional<std::string> marginProblem(const std::string& text, double& margin);

class PlannerWindow : public WindowLogic {
 public:
  explicit PlannerWindow(const WindowEnvironment& environment);

  // Reads the population; false, after its message, when it cannot be read.
  bool Load();
  // "Calcular": the margin and the level as typed; refused with its message and the focus on
  // the box to correct.
  bool plan(const std::string& margin, const std::string& level);
  // "Verificar por simulação": plans again from the texts, then draws R samples of that n.
  bool verify(const std::string& margin, const std::string& level, const std::string& repetitions);

  std::string seedLine() const;
  const std::optional<SamplePlan>& currentPlan() const { return plan_; }
  const std::vector<double>& margins() const { return margins_; }

  ControlStates controls() const override;
  DrawingList drawing(double width, double height) const override;

 private:
  WindowEnvironment env_;
  Population population_;
  double mu_ = 0, sigma_ = 0;
  int level_ = 95;
  std::optional<SamplePlan> plan_;
  std::optional<RunSeeder> seeder_;
  std::vector<double> margins_;  // of the last check, in the order drawn
  Coverage coverage_;
  std::int32_t within_ = 0;
};

}  // namespace varnesk
