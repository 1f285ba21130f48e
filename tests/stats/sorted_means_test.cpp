#include "stats/sorted_means.h"

#include <algorithm>
#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace varnesk {
namespace {

std::vector<float> list(const MediasOrdenadasLista& l) { return {l.valores().begin(), l.valores().end()}; }

TEST(OrdenarMedias, InsertsAtItsPlace) {
  const struct {
    std::vector<float> before;
    float x;
    std::vector<float> after;
  } cases[] = {
      {{}, 2.5f, {2.5f}},
      {{1, 2, 3}, 0.5f, {0.5f, 1, 2, 3}},
      {{1, 2, 3}, 4, {1, 2, 3, 4}},
      {{1, 2, 2, 3}, 2, {1, 2, 2, 2, 3}},
  };
  for (const auto& c : cases) {
    MediasOrdenadasLista l;
    for (float v : c.before) l.OrdenarMedias(v);
    l.OrdenarMedias(c.x);
    EXPECT_EQ(list(l), c.after);
  }
}

TEST(OrdenarMedias, EqualValuesKeepTheirOrderOfArrival) {
  // -0 and +0 compare equal but can be told apart: the later one must come after.
  MediasOrdenadasLista l;
  l.OrdenarMedias(1.0f);
  l.OrdenarMedias(-0.0f);
  l.OrdenarMedias(0.0f);
  l.OrdenarMedias(-1.0f);
  const auto v = list(l);
  EXPECT_TRUE(std::signbit(v[1]));
  EXPECT_FALSE(std::signbit(v[2]));
}

TEST(OrdenarMedias, FiveThousandValuesMatchAStableSortAndStopThere) {
  std::mt19937 rng(3);
  std::uniform_int_distribution<int> pick(0, 300);  // many repeats
  std::vector<float> values;
  MediasOrdenadasLista l;
  l.MediasOrdenadas[5000] = 77;  // a stale slot of an earlier run is overwritten
  for (int i = 0; i < kCapacidadeMedias; ++i) {
    values.push_back(static_cast<float>(pick(rng)) * 0.01f);
    l.OrdenarMedias(values.back());
  }
  std::stable_sort(values.begin(), values.end());
  EXPECT_EQ(list(l), values);
  l.OrdenarMedias(-1);  // a full list takes no more and writes nowhere
  EXPECT_EQ(l.ContagemOrdenadas, kCapacidadeMedias);
  EXPECT_EQ(l.MediasOrdenadas.size(), static_cast<std::size_t>(kCapacidadeMedias) + 1);
}

}  // namespace
}  // namespace varnesk
