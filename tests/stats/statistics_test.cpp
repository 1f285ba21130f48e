#include "support.h"

namespace {

TEST(OrdenarMedias, KeepsAStableOrderUpToFiveThousandMeans) {
  std::mt19937 rng(3);
  std::vector<float> values{1.0f, -0.0f, 0.0f};  // -0 and +0 compare equal: arrival order stays
  while (values.size() < kMaxMeans) values.push_back(static_cast<float>(rng() % 300) * 0.01f);
  SortedMeans list;
  list.MediasOrdenadas[5000] = 77;  // a stale slot of an earlier run
  for (float v : values) list.OrdenarMedias(v);
  list.OrdenarMedias(-1);  // a full list takes no more
  std::stable_sort(values.begin(), values.end());
  ASSERT_EQ(list.ContagemOrdenadas, kMaxMeans);
  EXPECT_TRUE(std::equal(values.begin(), values.end(), list.values().begin(), list.values().end(), [](float a, float b) {
    return a == b && std::signbit(a) == std::signbit(b);
  }));
}

TEST(CalcularEstatisticas, QuartilesByCountAndStandardDeviation) {
  // Means 1..count: median, Q1 and Q3, then the standard deviation over count - 1.
  const char* expected[] = {"1.000 - - -", "1.500 - - 0.707", "2.000 1.000 3.000 1.000",
                            "2.500 1.250 3.750 1.291", "3.000 2.000 4.000 1.581", "3.500 2.000 5.000 1.871",
                            "4.000 2.500 5.500 2.160", "4.500 2.500 6.500 2.449", "5.000 3.000 7.000 2.739"};
  for (int count = 1; count <= 9; ++count) {
    std::vector<float> m;
    for (int i = 1; i <= count; ++i) m.push_back(static_cast<float>(i));
    const auto e = CalcularEstatisticas(m, (count + 1) / 2.0, MeanPrecision::Double, '.');
    EXPECT_EQ(e.median + " " + e.q1 + " " + e.q3 + " " + e.sd, expected[count - 1]);
    EXPECT_EQ(e.minimum + e.maximum, "1.000" + std::to_string(count) + ".000");
  }
  const auto e = CalcularEstatisticas(std::vector<float>{1, 3}, 0.25, MeanPrecision::Single, ',');
  EXPECT_EQ(e.mean + " " + e.sd, "0,250 2,850");
  // The sum of squares is rounded to single precision after every addition: over 5000 means of
  // +-1000.1 it drifts into the third decimal.
  std::vector<float> wide(5000, 1000.1f);
  std::fill_n(wide.begin(), 2500, -1000.1f);
  EXPECT_EQ(CalcularEstatisticas(wide, 0, MeanPrecision::Double, '.').sd, "1000.214");
}

}  // namespace
