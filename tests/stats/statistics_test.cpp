#include "stats/statistics.h"

#include <vector>

#include <gtest/gtest.h>

namespace varnesk {
namespace {

TEST(CalcularEstatisticas, QuartileRulesByCount) {
  // Means 1..R; each row gives median, Q1, Q3 as shown.
  const struct {
    int count;
    const char *mediana, *q1, *q3;
  } cases[] = {
      {1, "1.000", "-", "-"},
      {2, "1.500", "-", "-"},
      {3, "2.000", "1.000", "3.000"},
      {4, "2.500", "1.250", "3.750"},  // (3·M1 + M2)/4 and (M3 + 3·M4)/4
      {5, "3.000", "2.000", "4.000"},
      {6, "3.500", "2.000", "5.000"},  // h = 3
      {7, "4.000", "2.500", "5.500"},  // h = 4
      {8, "4.500", "2.500", "6.500"},  // h = 4
      {9, "5.000", "3.000", "7.000"},  // h = 5
  };
  for (const auto& c : cases) {
    std::vector<float> m;
    for (int i = 1; i <= c.count; ++i) m.push_back(static_cast<float>(i));
    const auto e = CalcularEstatisticas(m, (c.count + 1) / 2.0, PrecisaoMedia::Dupla, '.');
    EXPECT_EQ(e.mediana, c.mediana) << c.count;
    EXPECT_EQ(e.q1, c.q1) << c.count;
    EXPECT_EQ(e.q3, c.q3) << c.count;
    EXPECT_EQ(e.minimo, "1.000");
    EXPECT_EQ(e.maximo, std::to_string(c.count) + ".000");
  }
}

TEST(CalcularEstatisticas, WorkedExampleOfFiveMeans) {
  const std::vector<float> m{1, 2, 3, 4, 5};
  const auto e = CalcularEstatisticas(m, 3, PrecisaoMedia::Simples, ',');
  EXPECT_EQ(e.media, "3,000");
  EXPECT_EQ(e.dp, "1,581");
  EXPECT_EQ(e.mediana, "3,000");
}

TEST(CalcularEstatisticas, StandardDeviation) {
  EXPECT_EQ(CalcularEstatisticas(std::vector<float>{2}, 2, PrecisaoMedia::Simples, '.').dp, "-");
  // Two means: denominator 1.
  EXPECT_EQ(CalcularEstatisticas(std::vector<float>{1, 3}, 2, PrecisaoMedia::Simples, '.').dp, "1.414");
  const std::vector<float> equal(50, 1.75f);
  const auto e = CalcularEstatisticas(equal, 1.75, PrecisaoMedia::Dupla, '.');
  EXPECT_EQ(e.dp, "0.000");
  EXPECT_EQ(e.q1, "1.750");
  EXPECT_EQ(e.mediana, "1.750");
}

}  // namespace
}  // namespace varnesk
