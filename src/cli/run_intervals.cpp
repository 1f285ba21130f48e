#include "cli/run_intervals.h"

#include <algorithm>
#include <cstdio>

#include "cli/input_checks.h"
#include "common/limits.h"
#include "common/number_text.h"
#include "engine/comparison.h"
#include "engine/configuration.h"
#include "engine/interval_run.h"
#include "engine/planner_window.h"
#include "engine/population.h"
#include "engine/population_summary.h"
#include "engine/run_seeder.h"
#include "engine/sampling_run.h"

namespace varnesk {
namespace {

std::string number(double value) { return formatSignificant(value, 9, '.'); }

// The level and the law the options ask for; the level refused with its message.
std::optional<std::string> intervalOptions(const SimOptions& o, IntervalOptions& options) {
  options.normal = o.normal;
  options.correction = !o.noCorrection;
  if (auto problem = levelProblem(o.level, options.level)) return "--nivel: " + *problem;
  return std::nullopt;
}

std::string perSample(const IntervalRun& run) {
  std::string out = "amostra\tmedia\tdp\tinferior\tsuperior\tcontem\n";
  for (std::int32_t r = 0; r < run.size(); ++r) {
    const ConfidenceInterval i = run.interval(r);
    out += std::to_string(r + 1) + '\t' + number(run.mean(r)) + '\t' + number(run.sd(r)) + '\t' +
           number(i.lower) + '\t' + number(i.upper) + '\t' +
           (i.side(run.mu()) == 0 ? "sim" : "nao") + '\n';
  }
  return out;
}

std::string summary(const IntervalRun& run) {
  const Coverage c = run.coverage(run.size());
  const IntervalOptions& o = run.options();
  return "n\tR\tnivel\tlei\tquantil\tcorrecao\tcontem\tabaixo\tacima\tcobertura\n" +
         std::to_string(run.n()) + '\t' + std::to_string(run.size()) + '\t' +
         std::to_string(o.level) + '\t' + (o.normal ? "z" : "t") + '\t' + number(run.q()) + '\t' +
         number(run.f()) + '\t' + std::to_string(c.contain) + '\t' + std::to_string(c.below) +
         '\t' + std::to_string(c.above) + '\t' + number(c.share()) + '\n';
}

// The lesson of the correction: each size's coverage with it and without it.
std::string withAndWithout(const Population& population, std::span<const std::int32_t> sizes,
                           std::int32_t R, std::uint64_t seed, IntervalOptions options) {
  std::string out = "n\tcobertura_com_correcao\tcobertura_sem_correcao\n";
  for (const std::int32_t n : sizes) {
    IntervalRun run(population, n, R, seed);
    out += std::to_string(n);
    for (const bool correction : {true, false}) {
      options.correction = correction;
      run.setOptions(options);
      out += '\t' + number(run.coverage(R).share());
    }
    out += '\n';
  }
  return out;
}

}  // namespace

ExitStatus runIntervals(const SimOptions& o) {
  IntervalOptions options;
  if (const auto problem = intervalOptions(o, options))
    return refuse(ExitStatus::BadInput, *problem);
  // Intervals of a comparison may take samples up to the whole population: the correction's
  // lesson is in the samples that come near it.
  const SampleSizeList list =
      o.compare ? parseSampleSizes(o.sampleSizes, kMaxPopulation) : SampleSizeList{};
  if (!list.error.empty()) return refuse(ExitStatus::BadInput, "--comparar: " + list.error);
  std::uint64_t seed = 0;
  if (const auto problem = checkSeed(o, seed)) return refuse(ExitStatus::BadInput, *problem);
  const double n = parseLeadingNumber(o.sampleSize), R = parseLeadingNumber(o.repetitions);
  if (!o.compare) {
    if (const auto problem = checkInputs(o.sampleSize, o.repetitions))
      return refuse(ExitStatus::BadInput, *problem);
    if (const auto problem = intervalProblem(n)) return refuse(ExitStatus::BadInput, *problem);
  } else if (const auto problem = instantRepetitionsProblem(R)) {
    return refuse(ExitStatus::BadInput, *problem);
  }
  Population population;
  if (const PopulationReading reading = readPopulation(o, population); !reading.ok)
    return refuse(ExitStatus::PopulationRefused, reading.message);
  const std::int32_t samples = wholeCount(R, kMaxMeans);
  std::string out;
  if (o.compare) {
    if (const std::string problem = refuseSampleSizes(list.sizes, population); !problem.empty())
      return refuse(ExitStatus::BadInput, "--comparar: " + problem);
    for (const std::int32_t size : list.sizes)
      if (const auto problem = intervalProblem(size))
        return refuse(ExitStatus::BadInput, "--comparar: " + *problem);
    out = withAndWithout(population, list.sizes, samples, runSeed(seed, o.run), options);
  } else {
    if (const auto problem = refuseSampleSize(n, population))
      return refuse(ExitStatus::PopulationRefused, *problem);
    IntervalRun run(population, wholeCount(n, population.TamanhoPopulacao), samples,
                    runSeed(seed, o.run));
    run.setOptions(options);
    out = o.intervals == "resumo" ? summary(run) : perSample(run);
  }
  std::fputs(out.c_str(), stdout);
  return ExitStatus::Done;
}

ExitStatus runPlan(const SimOptions& o) {
  double margin = 0;
  if (const auto problem = marginProblem(o.margin, margin))
    return refuse(ExitStatus::BadInput, "--planejar: " + *problem);
  IntervalOptions options;
  if (const auto problem = intervalOptions(o, options))
    return refuse(ExitStatus::BadInput, *problem);
  std::uint64_t seed = 0;
  if (const auto problem = checkSeed(o, seed)) return refuse(ExitStatus::BadInput, *problem);
  const bool check = !o.repetitions.empty();
  const double R = parseLeadingNumber(o.repetitions);
  if (check)
    if (const auto problem = instantRepetitionsProblem(R))
      return refuse(ExitStatus::BadInput, *problem);
  Population population;
  if (const PopulationReading reading = readPopulation(o, population); !reading.ok)
    return refuse(ExitStatus::PopulationRefused, reading.message);
  const double sigma = summarize(population).standardDeviation;
  const SamplePlan p = planSampleSize(margin, options.level, sigma, population.TamanhoPopulacao);
  std::string out = "N\tsigma\tz\tn0\tn\n" + std::to_string(p.N) + '\t' + number(p.sigma) + '\t' +
                    number(p.z) + '\t' + number(p.n0) + '\t' + std::to_string(p.n) + '\n';
  if (check) {
    if (p.n < 2 || p.n > std::min<std::int64_t>(population.TamanhoPopulacao, kMaxSampleSize))
      return refuse(ExitStatus::BadInput,
                    "--planejar: n = " + std::to_string(p.n) +
                        " não pode ser verificado por simulação (de 2 a 50000 e até N).");
    IntervalRun run(population, static_cast<std::int32_t>(p.n), wholeCount(R, kMaxMeans),
                    runSeed(seed, o.run));
    options.correction = true;
    options.normal = false;
    run.setOptions(options);
    std::vector<double> margins;
    for (std::int32_t r = 0; r < run.size(); ++r) margins.push_back(run.interval(r).halfWidth());
    std::sort(margins.begin(), margins.end());
    const std::size_t k = margins.size();
    const double median = k % 2 ? margins[k / 2] : (margins[k / 2 - 1] + margins[k / 2]) / 2;
    const auto within = std::upper_bound(margins.begin(), margins.end(), margin) - margins.begin();
    out += "R\tmargem_min\tmargem_mediana\tmargem_max\tate_E\tcobertura\n" + std::to_string(k) +
           '\t' + number(margins.front()) + '\t' + number(median) + '\t' + number(margins.back()) +
           '\t' + number(static_cast<double>(within) / static_cast<double>(k)) + '\t' +
           number(run.coverage(run.size()).share()) + '\n';
  }
  std::fputs(out.c_str(), stdout);
  return ExitStatus::Done;
}

}  // namespace varnesk
