#include "engine/planner_window.h"

#include <algorithm>
#include <cmath>

#include "chart/population_chart.h"
#include "chart/population_histogram.h"
#include "common/limits.h"
#include "common/number_text.h"
#include "engine/configuration.h"
#include "engine/interval_texts.h"
#include "engine/population_summary.h"
#include "engine/status_lines.h"

namespace varnesk {

SamplePlan planSampleSize(double margin, int level, double sigma, std::int32_t N) {
  SamplePlan p{margin, criticalValue(level, 0, true), sigma, N, 0, 0};
  p.n0 = std::pow(p.z * sigma / margin, 2);
  const double corrected = N > 0 ? p.n0 / (1 + (p.n0 - 1) / N) : p.n0;
  p.n = std::max<std::int64_t>(1, static_cast<std::int64_t>(std::ceil(corrected - 1e-9)));
  return p;
}

std::optional<std::string> marginProblem(const std::string& text, double& margin) {
  std::string point = text;
  std::replace(point.begin(), point.end(), ',', '.');
  const double value = parseLeadingNumber(point);
  if (!(value > 0) || !std::isfinite(value))
    return "A margem de erro é um número maior que zero, na unidade da população, como 0,1 "
           "ou 0.1.";
  margin = value;
  return std::nullopt;
}

PlannerWindow::PlannerWindow(const WindowEnvironment& environment) : env_(environment) {}

bool PlannerWindow::Load() {
  const PopulationReading reading = LerPopulacao(env_.population, population_);
  if (!reading.ok) {
    env_.platform.showMessage(reading.message);
    return false;
  }
  const PopulationSummary summary = summarize(population_);
  mu_ = summary.mean;
  sigma_ = summary.standardDeviation;
  seeder_.emplace(env_.seed ? RunSeeder(env_.seed())
                            : RunSeeder(env_.pickSeed ? env_.pickSeed : shortSeed));
  return true;
}

bool PlannerWindow::plan(const std::string& marginText, const std::string& levelText) {
  double margin = 0;
  int level = level_;
  const auto refuse = [this](const std::string& message, const char* box) {
    env_.platform.showMessage(message);
    env_.platform.setFocus(box);
    return false;
  };
  if (const auto problem = marginProblem(marginText, margin)) return refuse(*problem, "MarginTXT");
  if (const auto problem = levelProblem(levelText, level)) return refuse(*problem, "LevelSpin");
  level_ = level;
  plan_ = planSampleSize(margin, level, sigma_, population_.TamanhoPopulacao);
  margins_.clear();
  return true;
}

bool PlannerWindow::verify(const std::string& margin, const std::string& level,
                           const std::string& repetitions) {
  if (!plan(margin, level)) return false;
  const double R = parseLeadingNumber(repetitions);
  if (const auto problem = instantRepetitionsProblem(R)) {
    env_.platform.showMessage(std::string(*problem));
    env_.platform.setFocus("RepetitionsTXT");
    return false;
  }
  const std::int64_t n = plan_->n;
  if (n < 2 || n > population_.TamanhoPopulacao || n > kMaxSampleSize) {
    env_.platform.showMessage(
        "Não há como verificar este tamanho por simulação: veja a nota abaixo do cálculo.");
    return false;
  }
  env_.platform.setBusy(true);
  IntervalRun run(population_, static_cast<std::int32_t>(n), static_cast<std::int32_t>(R),
                  seeder_->nextRunSeed());
  run.setOptions({level_, false, true});
  margins_.clear();
  for (std::int32_t r = 0; r < run.size(); ++r) margins_.push_back(run.interval(r).halfWidth());
  coverage_ = run.coverage(run.size());
  within_ = static_cast<std::int32_t>(std::count_if(
      margins_.begin(), margins_.end(), [this](double m) { return m <= plan_->margin; }));
  env_.platform.setBusy(false);
  return true;
}

std::string PlannerWindow::seedLine() const {
  if (!seeder_) return varnesk::seedLine(0, 0, true);
  return varnesk::seedLine(seeder_->seed(), seeder_->runCount(), seeder_->picksSeeds());
}

ControlStates PlannerWindow::controls() const {
  const char sep = env_.separator;
  const auto number = [sep](double v) { return formatFixed(v, 3, sep); };
  const std::int32_t N = population_.TamanhoPopulacao;
  std::string size, formula, note, margins, within, coverage;
  if (plan_) {
    const SamplePlan& p = *plan_;
    const std::string E = formatSignificant(p.margin, 6, sep);
    size = "n = " + formatThousands(p.n, sep) + "  (margem ± " + E + " a " +
           std::to_string(level_) + " %)";
    formula =
        "Sem a correção: n0 = (z · σ / E)² = (" + number(p.z) + " · " + number(p.sigma) + " / " +
        E + ")² = " + formatFixed(p.n0, 1, sep) +
        ". Com a correção de população finita: n = ⌈n0 / (1 + (n0 − 1) / N)⌉ = ⌈" +
        formatFixed(p.n0, 1, sep) + " / (1 + " + formatFixed(p.n0 - 1, 1, sep) + " / " +
        formatThousands(N, sep) + ")⌉ = " + formatThousands(p.n, sep) +
        ". z é o quantil da normal para o nível; σ, o desvio padrão da população (divisor N).";
    if (p.sigma == 0)
      note = "A população não varia (σ = 0): qualquer amostra tem a média exata da população.";
    else if (p.n > kMaxSampleSize)
      note = "n passa de " + formatThousands(kMaxSampleSize, sep) +
             ", o maior tamanho de amostra que o Varnesk sorteia: não há como verificá-lo por "
             "simulação.";
    else if (p.n >= N)
      note = "n é a população inteira (N = " + formatThousands(N, sep) +
             "): com essa margem, é preciso examinar todos os valores.";
    else if (p.n0 > N)
      note = "Sem a correção seriam " + formatFixed(p.n0, 0, sep) +
             " valores, mais que os N = " + formatThousands(N, sep) +
             " da população: é a correção que torna a amostra possível.";
    else if (p.n < 2)
      note =
          "Com n = 1 não há desvio padrão da amostra: a verificação por simulação precisa de "
          "pelo menos 2 valores.";
  }
  if (!margins_.empty()) {
    std::vector<double> sorted = margins_;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t k = sorted.size();
    const double median = k % 2 ? sorted[k / 2] : (sorted[k / 2 - 1] + sorted[k / 2]) / 2;
    margins = "Margem alcançada (metade da largura de cada intervalo, t e correção): mínima " +
              number(sorted.front()) + " · mediana " + number(median) + " · máxima " +
              number(sorted.back());
    within = formatThousands(within_, sep) + " de " +
             formatThousands(static_cast<long long>(k), sep) + " amostras (" +
             formatFixed(100.0 * within_ / static_cast<double>(k), 1, sep) +
             " %) com margem até E = " + formatSignificant(plan_->margin, 6, sep) +
             " (a linha azul do gráfico)";
    coverage = "Cobertura: " + coverageLine(coverage_, level_, sep);
  }
  return {{"PopulationLBL", populationLine(env_.population.name()) +
                                " (N = " + formatThousands(N, sep) + ") · μ = " + number(mu_) +
                                " · σ = " + number(sigma_) + " (divisor N)"},
          {"SizeLBL", size},
          {"FormulaLBL", formula},
          {"NoteLBL", note},
          {"MarginsLBL", margins},
          {"WithinLBL", within},
          {"CoverageLBL", coverage},
          {"MarginsChart", margins.empty() ? "" : margins + ". " + within + ". " + coverage}};
}

DrawingList PlannerWindow::drawing(double width, double height) const {
  const PopulationHistogram histogram = populationHistogram(margins_, plan_ ? plan_->margin : 0.0);
  return populationChart(histogram, std::nullopt, width, height, env_.measure, env_.separator);
}

}  // namespace varnesk
