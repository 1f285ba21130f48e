#include "support.h"

namespace {

SamplingRun run(const Population& p, double n, double R, std::uint64_t seed = 7,
                MeanPrecision precision = MeanPrecision::Single, unsigned threads = 0) {
  SamplingRun c;
  GerarAmostras(p, n, R, seed, precision, c, threads);
  return c;
}

TEST(GerarAmostras, ChartRangeIsRoundedOutwardToHalves) {
  for (const auto& [values, lowest, highest] :  // the running minimum starts at 3, the maximum at 0
       {std::tuple{std::vector{0.83, 2.41}, 0.5, 2.5}, {{1.0}, 1.0, 1.5}, {{3.6, 4.1}, 3.0, 4.5}, {{-0.2, 0.1}, -0.5, 0.5}, {{-1.5, -1.2}, -1.5, 0.5}}) {
    const SamplingRun r = run(populationOf(values), 1, 500);
    EXPECT_EQ(std::pair(r.MenorMedia, r.MaiorMedia), std::pair(lowest, highest)) << values[0];
  }
}

TEST(DrawMeans, SamplesTakeDistinctPositionsUniformly) {
  // Position k holds 2^k, so a sample's sum tells which positions it took: each position is
  // taken by n / N of the samples, below half the population, above it and at n = N.
  std::vector<double> powers(50), means(5000);
  for (int k = 0; k < 50; ++k) powers[k] = std::ldexp(1.0, k);
  for (int n : {1, 10, 40, 49, 50}) {
    drawMeans(populationOf(powers), n, 3, means);
    std::vector<int> taken(50);
    for (double m : means) {
      const auto positions = std::uint64_t(std::llround(m * n));
      ASSERT_EQ(std::popcount(positions), n);
      for (int k = 0; k < 50; ++k) taken[k] += positions >> k & 1;
    }
    const double p = n / 50.0, sd = std::sqrt(5000 * p * (1 - p));
    for (int k = 0; k < 50; ++k) EXPECT_NEAR(taken[k], 5000 * p, 5 * sd + 1e-9) << n << ": " << k;
  }
}

TEST(DrawMeans, MeansSpreadAsSamplesWithoutReplacement) {
  // A repeated position, a value left out of a sum or a mark left from an earlier sample moves
  // the mean or the variance sigma^2 / n * (N - n) / (N - 1) of the sample means.
  for (const auto& [size, n, samples] : {std::tuple{4000, 1, 4000}, {4000, 200, 2000}, {4000, 2001, 2000}, {4000, 3990, 2000}, {40000, 70, 1000}, {40000, 39999, 500}}) {
    Population p = populationOf({});
    double mu = 0, sigma2 = 0, mean = 0, spread = 0;
    for (int k = 1; k <= (p.TamanhoPopulacao = size); ++k) mu += (p.Populacao[k] = k * 37 % 101 / 10.0) / size;
    for (int k = 1; k <= size; ++k) sigma2 += std::pow(p.Populacao[k] - mu, 2) / size;
    std::vector<double> m(samples);
    drawMeans(p, n, 5, m);
    for (double x : m) mean += x / samples;
    for (double x : m) spread += (x - mean) * (x - mean) / (samples - 1);
    const double variance = sigma2 / n * (size - n) / (size - 1);
    EXPECT_NEAR(mean, mu, 5 * std::sqrt(variance / samples)) << n << " of " << size;
    EXPECT_NEAR(spread, variance, 0.22 * variance) << n << " of " << size;
  }
}

TEST(GerarAmostras, MeansInDrawOrderSortedAndSummedInSinglePrecision) {
  Population p = populationOf({});
  for (int i = 1; i <= (p.TamanhoPopulacao = 5000); ++i) p.Populacao[i] = std::fmod(i * 0.37, 5.0);
  std::vector<double> exact(1000);
  drawMeans(p, 300, 99, exact);
  std::vector<double> portable(1000);  // the plain C++ marking of processors other than x86-64
  drawMeans(p, 300, 99, portable, 0, Marking::Portable);
  EXPECT_EQ(portable, exact);
  float sum = 0;  // rounded to single precision after every addition
  for (double x : exact) sum = static_cast<float>(sum + x);
  for (unsigned threads : {1u, 2u, 3u}) {  // the same means whatever the number of threads
    const SamplingRun c = run(p, 300, 1000, 99, MeanPrecision::Double, threads);
    std::vector<float> sorted(&c.Medias[1], &c.Medias[1001]);
    EXPECT_EQ(std::vector<float>(exact.begin(), exact.end()), sorted);
    std::stable_sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, std::vector(c.sortedMeans.values().begin(), c.sortedMeans.values().end()));
    EXPECT_EQ(c.MediaGeral, double(sum) / 1000);
  }
  EXPECT_EQ(run(p, 300, 1000, 99).MediaGeral, float(double(sum) / 1000));
  // At n = N every sample is the whole population; n with a fraction draws its whole part.
  const SamplingRun whole = run(p, 5000, 3), fraction = run(p, 5000.5, 1, 2);
  EXPECT_EQ(std::vector(&whole.Medias[1], &whole.Medias[4]), std::vector(3, fraction.Medias[1]));
}

TEST(RefuseSampleSize, MoreValuesThanThePopulationHolds) {
  EXPECT_FALSE(refuseSampleSize(3.5, populationOf({1, 2, 3})));
  EXPECT_NE(refuseSampleSize(4, populationOf({1, 2, 3})).value_or("").find("3 valores"), std::string::npos);
  EXPECT_TRUE(refuseSampleSize(1, Population{}));
}

}  // namespace

namespace {

// Sample r drawn again from its own stream is the sample behind Medias(r): the same mean to the
// last bit, taken from n distinct positions whose values add up to it. Below half the
// population the run marks the positions it takes, above it those it leaves out, and at n = N
// none; the first and the last samples of a run, and of the step-by-step window, are in.
TEST(RedrawSample, GivesTheMeanOfItsRunToTheBit) {
  Population p = populationOf({});
  for (int i = 1; i <= (p.TamanhoPopulacao = 1000); ++i) p.Populacao[i] = std::fmod(i * 0.731, 9.0) + i * 1e-6;
  const struct {
    int size, n, R;
    std::uint64_t seed;
  } runs[] = {{1000, 1, 50, 3}, {1000, 10, 100, 5}, {1000, 499, 20, 8}, {1000, 501, 20, 9}, {1000, 999, 10, 2}, {1000, 1000, 5, 4}, {97, 40, 300, 11}, {1, 1, 3, 1}};
  for (const auto& [size, n, R, seed] : runs) {
    p.TamanhoPopulacao = size;
    SamplingRun c;
    GerarAmostras(p, n, R, seed, MeanPrecision::Double, c);
    for (int r : {1, 2, R / 2 + 1, R}) {
      const DrawnSample s = redrawSample(p, n, seed, static_cast<std::size_t>(r - 1));
      const std::string where = std::to_string(n) + " of " + std::to_string(size) + ", sample " + std::to_string(r);
      EXPECT_EQ(bitCast<std::uint32_t>(static_cast<float>(s.mean)), bitCast<std::uint32_t>(c.Medias[r])) << where;
      ASSERT_EQ(s.positions.size(), std::size_t(n)) << where;
      std::vector<std::int32_t> sorted = s.positions;
      std::sort(sorted.begin(), sorted.end());
      EXPECT_TRUE(std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end()) << where;
      EXPECT_TRUE(sorted.front() >= 1 && sorted.back() <= size) << where;
      double sum = 0;
      for (std::int32_t q : s.positions) sum += p.Populacao[q];
      EXPECT_NEAR(sum / n, s.mean, 1e-12) << where;
    }
  }
}

}  // namespace
