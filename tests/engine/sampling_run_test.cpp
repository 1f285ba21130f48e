#include "engine/sampling_run.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/population.h"
#include "engine/sampler.h"

namespace varnesk {
namespace {

Population populationOf(const std::vector<double>& values) {
  Population p;
  std::copy(values.begin(), values.end(), p.Populacao.begin() + 1);
  p.TamanhoPopulacao = static_cast<std::int32_t>(values.size());
  return p;
}

Corrida run(const Population& p, double n, double R, PrecisaoMedia precisao = PrecisaoMedia::Simples,
            std::uint64_t seed = 7, unsigned threads = 0) {
  Corrida c;
  GerarAmostras(p, n, R, seed, precisao, c, threads);
  return c;
}

std::vector<float> means(const Corrida& c, int count) {
  return {c.Medias.begin() + 1, c.Medias.begin() + 1 + count};
}

TEST(GerarAmostras, ChartRangeIsRoundedOutwardToHalves) {
  const struct {
    std::vector<double> population;
    double menor, maior;
  } cases[] = {
      {{0.83, 2.41}, 0.5, 2.5},
      {{1.0, 1.0, 1.0}, 1.0, 1.5},
      {{3.2, 4.1}, 3.0, 4.5},  // the running minimum never leaves its start value 3
      {{0.5, 0.5}, 0.5, 1.0},
      {{-0.2, 0.1}, -0.5, 0.5},
  };
  for (const auto& c : cases) {
    const Corrida r = run(populationOf(c.population), 1, 500);
    EXPECT_EQ(r.MenorMedia, c.menor) << c.population[0];
    EXPECT_EQ(r.MaiorMedia, c.maior) << c.population[0];
  }
}

TEST(GerarAmostras, SamplesNeverRepeatAPosition) {
  // Position k holds 2^k, so the sum of a sample tells exactly which positions it took.
  std::vector<double> powers;
  for (int k = 0; k < 20; ++k) powers.push_back(std::ldexp(1.0, k));
  const Population p = populationOf(powers);
  for (int n : {4, 16, 20}) {  // below half, above half (the complement is drawn), all
    const Corrida r = run(p, n, 300, PrecisaoMedia::Dupla);
    for (int i = 1; i <= 300; ++i) {
      const auto sum = static_cast<std::uint32_t>(static_cast<double>(r.Medias[i]) * n);
      EXPECT_EQ(std::popcount(sum), n) << "n=" << n << " sample " << i;
    }
  }
}

TEST(GerarAmostras, PositionsAreDrawnUniformly) {
  // With n = 1 a mean is one value; with n = 9 of 10 the value left out decides the mean.
  const Population p = populationOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  for (int n : {1, 9}) {
    const Corrida r = run(p, n, 5000);
    std::map<float, int> counts;
    for (float m : means(r, 5000)) ++counts[m];
    ASSERT_EQ(counts.size(), 10u) << "n=" << n;
    for (const auto& [value, count] : counts) {
      EXPECT_GT(count, 400) << "n=" << n << " value " << value;  // 500 expected, sd ~21
      EXPECT_LT(count, 600) << "n=" << n << " value " << value;
    }
  }
}

TEST(GerarAmostras, WholePopulationGivesThePopulationMean) {
  const Population p = populationOf({1.25, 2.5, 0.75, 3.5});
  const Corrida r = run(p, 4, 50);
  for (float m : means(r, 50)) EXPECT_EQ(m, 2.0f);
  EXPECT_EQ(r.MenorMedia, 2.0);
  EXPECT_EQ(r.MaiorMedia, 2.5);
  EXPECT_EQ(r.MediaGeral, 2.0);
}

TEST(GerarAmostras, FractionsCountTheWholeNumbersUpToTheValue) {
  const Population p = populationOf(std::vector<double>(20, 1.0));
  const Corrida r = run(p, 10.5, 1.5);
  EXPECT_EQ(r.ordenadas.ContagemOrdenadas, 1);
  EXPECT_EQ(r.Medias[1], 1.0f);  // ten values over ten, not over 10.5
  EXPECT_EQ(r.MediaGeral, 1.0);
}

TEST(GerarAmostras, MeansLandInDrawOrderAndSorted) {
  Population p;
  for (int i = 1; i <= 1000; ++i) p.Populacao[i] = i % 37 * 0.1;
  p.TamanhoPopulacao = 1000;
  const Corrida r = run(p, 5, 2000);
  std::vector<float> drawn = means(r, 2000);
  std::stable_sort(drawn.begin(), drawn.end());
  const auto sorted = r.ordenadas.valores();
  EXPECT_TRUE(std::equal(drawn.begin(), drawn.end(), sorted.begin(), sorted.end()));

  float sum = 0;
  for (int i = 1; i <= 2000; ++i) sum = static_cast<float>(static_cast<double>(sum) + r.Medias[i]);
  EXPECT_FLOAT_EQ(static_cast<float>(r.MediaGeral), sum / 2000);
}

TEST(GerarAmostras, MediaGeralPrecisionFollowsTheWindow) {
  const Population p = populationOf({0.1, 0.2, 0.3, 0.7, 1.1, 1.3});
  const Corrida simples = run(p, 2, 3, PrecisaoMedia::Simples, 11);
  const Corrida dupla = run(p, 2, 3, PrecisaoMedia::Dupla, 11);
  EXPECT_EQ(simples.MediaGeral, static_cast<double>(static_cast<float>(dupla.MediaGeral)));
  EXPECT_EQ(means(simples, 3), means(dupla, 3));
}

TEST(SortearMedias, MeansSpreadAsSamplesWithoutReplacement) {
  // Drawn without replacement, a sample mean has the population mean as expectation and the
  // variance sigma^2 / n * (N - n) / (N - 1). A repeated position, a value left out of the sum
  // or a mark left over from an earlier sample moves one of the two. The cases cross the ways a
  // sample is drawn: few or many positions, the positions left out past half the population,
  // flags cleared one by one or all at once.
  const struct {
    int size, n, samples;
  } cases[] = {
      {4000, 1, 4000},     {4000, 200, 2000},  {4000, 2000, 2000}, {4000, 2001, 2000},
      {4000, 3990, 2000},  {40000, 50, 1000},  {40000, 70, 1000},  {40000, 39999, 500},
      {40000, 40000, 20},
  };
  for (const auto& c : cases) {
    Population p;
    double mu = 0;
    for (int k = 1; k <= c.size; ++k) mu += p.Populacao[k] = (k * 37 % 101) / 10.0;
    mu /= c.size;
    p.TamanhoPopulacao = c.size;
    double sigma2 = 0;
    for (int k = 1; k <= c.size; ++k) sigma2 += (p.Populacao[k] - mu) * (p.Populacao[k] - mu);
    sigma2 /= c.size;
    const double variance = sigma2 / c.n * (c.size - c.n) / (c.size - 1);

    std::vector<double> m(static_cast<std::size_t>(c.samples));
    sortearMedias(p, c.n, 5, m);
    double mean = 0;
    for (double x : m) mean += x;
    mean /= c.samples;
    double spread = 0;
    for (double x : m) spread += (x - mean) * (x - mean);
    spread /= c.samples - 1;

    const std::string where = std::to_string(c.n) + " of " + std::to_string(c.size);
    EXPECT_NEAR(mean, mu, 5 * std::sqrt(variance / c.samples) + 1e-12) << where;
    if (c.n < c.size) {
      EXPECT_GT(spread, 0.8 * variance) << where;
      EXPECT_LT(spread, 1.25 * variance) << where;
    } else {
      EXPECT_LT(spread, 1e-24) << where;
    }
  }
}

TEST(GerarAmostras, SameSeedSameRunWhateverTheThreads) {
  Population p;
  for (int i = 1; i <= 5000; ++i) p.Populacao[i] = std::fmod(i * 0.37, 5.0);
  p.TamanhoPopulacao = 5000;
  const Corrida one = run(p, 300, 1000, PrecisaoMedia::Simples, 99, 1);
  for (unsigned threads : {2u, 3u, 8u}) {
    const Corrida many = run(p, 300, 1000, PrecisaoMedia::Simples, 99, threads);
    EXPECT_EQ(means(one, 1000), means(many, 1000)) << threads << " threads";
  }
  EXPECT_NE(means(one, 1000), means(run(p, 300, 1000, PrecisaoMedia::Simples, 100), 1000));
}

TEST(RecusarAmostra, SampleLargerThanThePopulationIsRefused) {
  EXPECT_FALSE(recusarAmostra(3, populationOf({1, 2, 3})));
  EXPECT_FALSE(recusarAmostra(3.5, populationOf({1, 2, 3})));
  const auto larger = recusarAmostra(4, populationOf({1, 2, 3}));
  ASSERT_TRUE(larger);
  EXPECT_NE(larger->find("3 valores"), std::string::npos);
  EXPECT_TRUE(recusarAmostra(1, Population{}));
}

}  // namespace
}  // namespace varnesk
