// Confidence intervals: the quantiles against a printed table, each sample's s on every path of
// the draw, the coverage that theory promises and the one the correction prevents, and the
// sample-size plan against hand computations.
#include "engine/interval_run.h"
#include "engine/interval_window.h"
#include "engine/planner_window.h"
#include "support.h"

namespace {

// N values near a normal law (mean 10, sd 2): each the sum of twelve uniform draws, centred.
Population normalPopulation(int N) {
  Population p = populationOf({});
  std::mt19937 rng(1);
  for (int i = 1; i <= (p.TamanhoPopulacao = N); ++i) {
    double sum = -6;
    for (int k = 0; k < 12; ++k) sum += rng() / 4294967296.0;
    p.Populacao[i] = 10 + 2 * sum;
  }
  return p;
}

TEST(ConfidenceInterval, QuantilesAsTheTablesPrintThem) {
  for (const auto& [level, df, normal, printed] :
       {std::tuple{95, 9, false, 2.262}, {95, 1, false, 12.706}, {99, 29, false, 2.756}, {90, 20, false, 1.725}, {80, 5, false, 1.476}, {95, 1000000, false, 1.960}, {95, 0, true, 1.960}, {99, 0, true, 2.576}, {90, 0, true, 1.645}, {80, 0, true, 1.282}})
    EXPECT_NEAR(criticalValue(level, df, normal), printed, 5e-4) << level << " " << df << " " << normal;
  // Rounded to ten decimals, so that no edition's mathematical library moves the last bit.
  EXPECT_EQ(criticalValue(95, 9, false), 2.2621571628);
  int level = 0;
  for (const auto& [text, accepted] : {std::pair{"95", 95}, {" 90 %", 90}, {"80", 80}, {"99", 99}, {"79", 0}, {"100", 0}, {"9x", 0}, {"", 0}, {"95.5", 0}})
    EXPECT_EQ(levelProblem(text, level) ? 0 : level, accepted) << text;
}

TEST(DrawMeans, EachSamplesSpreadOnEveryPathWithTheMeansUnchanged) {
  // Marked positions (n below N/2), the positions left out (above it) and the whole population.
  const Population p = normalPopulation(1000);
  for (const int n : {2, 10, 499, 700, 999, 1000}) {
    std::vector<double> plain(40), means(40), sds(40);
    drawMeans(p, n, 11, plain);
    drawMeans(p, n, 11, means, 0, Marking::Native, 0, sds);
    EXPECT_EQ(plain, means) << n;
    for (std::size_t r = 0; r < sds.size(); ++r) {
      double sum = 0, squares = 0;
      const DrawnSample sample = redrawSample(p, n, 11, r);
      for (const std::int32_t k : sample.positions) sum += p.Populacao[k];
      for (const std::int32_t k : sample.positions) squares += std::pow(p.Populacao[k] - sum / n, 2);
      EXPECT_NEAR(sds[r], std::sqrt(squares / (n - 1)), 1e-12) << n << " " << r;
    }
  }
}

TEST(IntervalRun, CoverageAsPromisedAndTheCorrectionsLesson) {
  // 95 % t intervals of samples of 20 from a normal population: 4 binomial deviations of the level.
  const Population big = normalPopulation(100000);
  IntervalRun run(big, 20, 5000, 3);
  EXPECT_NEAR(run.coverage(5000).share(), 0.95, 4 * std::sqrt(0.95 * 0.05 / 5000));
  // Half the population: without the correction the intervals are √2 too wide and cover nearly always.
  const Population small = normalPopulation(2000);
  IntervalRun half(small, 1000, 2000, 5);
  EXPECT_NEAR(half.coverage(2000).share(), 0.95, 4 * std::sqrt(0.95 * 0.05 / 2000));
  half.setOptions({95, false, false});
  EXPECT_GT(half.coverage(2000).share(), 0.99);
  // The whole population with the correction: intervals of width 0, every one on μ.
  IntervalRun whole(small, 2000, 10, 5);
  const Coverage all = whole.coverage(10);
  EXPECT_EQ(std::tuple(whole.interval(0).halfWidth(), all.contain, all.below + all.above), std::tuple(0.0, 10, 0));
}

TEST(SamplePlan, AsComputedByHand) {
  // n0 = (1,96 · 1,41548809 / 0,1)² = 769,68 → 769 of 578 000; n0 = (1,96 · 2 / 0,5)² = 61,46 → 48 of 200; (1,96 / 0,01)² = 38 414,6 → 975 of 1000.
  for (const auto& [margin, sigma, N, n0, n] : {std::tuple{0.1, 1.41548809, 578000, 769.677, 769}, {0.5, 2.0, 200, 61.463, 48}, {0.01, 1.0, 1000, 38414.588, 975}}) {
    const SamplePlan plan = planSampleSize(margin, 95, sigma, N);
    EXPECT_NEAR(plan.n0, n0, 1e-3) << N;
    EXPECT_EQ(plan.n, n) << N;
  }
  double margin = 0;
  for (const auto& [text, read] : {std::pair{"0,1", 0.1}, {"0.25", 0.25}, {" 2", 2.0}, {"0", 0.0}, {"-1", 0.0}, {"x", 0.0}})
    EXPECT_EQ(marginProblem(text, margin) ? 0.0 : margin, read) << text;
}

TEST(IntervalWindow, RefusesWhatHasNoIntervalAndShowsOneSampleAClick) {
  const TempFolder folder;
  writeValues(folder / "p.txt", 50, 1, halfSteps);
  RecordingPlatform platform;
  const WindowEnvironment environment{platform, fixedMeasure, ',', {folder / "p.txt", {}}, [] { return 8u; }};
  for (const auto& [n, R, message] : {std::tuple{"1", "10", "pelo menos 2"}, {"10", "0", "Preencha o campo: Número"}, {"60", "10", "maior que a população"}}) {
    IntervalWindow refused(environment);
    EXPECT_FALSE(refused.Load(n, R));
    EXPECT_THAT(texts(platform).front(), ::testing::HasSubstr(message)) << n;
    platform.take();
  }
  IntervalWindow w(environment);
  ASSERT_TRUE(w.Load("50", "30"));
  w.showNext(2);
  EXPECT_EQ(std::pair(w.control("ProgressLBL").text, w.control("CoverageLBL").text),
            std::pair(std::string("Amostras mostradas: 2 de 30"), std::string("2 de 2 intervalos contêm μ (100,0 %) · nível 95 %")));
  w.showAll();
  EXPECT_EQ(std::pair(w.control("NextButton").enabled, w.shown()), std::pair(false, 30));
  EXPECT_THAT(w.intervalsCsv(), ::testing::HasSubstr("Amostra;Média;Desvio padrão;Limite inferior;Limite superior;Contém μ\r\n1;"));
}

}  // namespace
