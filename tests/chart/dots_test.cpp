#include "chart/dots.h"

#include <vector>

#include <gtest/gtest.h>

#include "engine/window_model.h"
#include "support/recording_platform.h"

namespace varnesk {
namespace {

TEST(AjustarColunas, DotHeightsOnTheStack) {
  const struct {
    float radius;
    std::vector<float> centres;
  } cases[] = {
      {100, {6200, 6000, 5800}},
      {30, {6240, 6245, 6185}},  // the first dot would dip below the frame: lifted
  };
  for (const auto& c : cases) {
    WindowModel m = modeloInicial(TipoJanela::PassoAPasso);  // frame bottom at 6300
    ChartState state;
    state.escala = {20, 0.1, 50};
    for (int j = 1; j <= 20; ++j) state.LimitesClasses[j] = 1.0 + (j - 1) * 0.1;
    state.CentroColuna[3] = 2000;
    state.RaioPonto = c.radius;
    testing::RecordingPlatform platform;
    for (std::size_t k = 0; k < c.centres.size(); ++k) AjustarColunas(m.chart, state, 1.25f, platform);
    ASSERT_EQ(platform.circles.size(), c.centres.size());
    for (std::size_t k = 0; k < c.centres.size(); ++k) {
      EXPECT_EQ(platform.circles[k], (testing::Circle{2000, c.centres[k], c.radius})) << c.radius;
    }
    EXPECT_EQ(state.Frequencias[3], static_cast<double>(c.centres.size()));
  }
}

TEST(AjustarColunas, ClassOfTheNewMean) {
  WindowModel m = modeloInicial(TipoJanela::PassoAPasso);
  ChartState state;
  state.escala = {20, 0.1, 50};
  for (int j = 1; j <= 20; ++j) state.LimitesClasses[j] = 1.0 + (j - 1) * 0.1;
  state.RaioPonto = 50;
  testing::RecordingPlatform platform;
  AjustarColunas(m.chart, state, 1.5f, platform);  // on a boundary: the class above
  AjustarColunas(m.chart, state, 4.0f, platform);  // past the last boundary: the last class
  EXPECT_EQ(state.Frequencias[6], 1);
  EXPECT_EQ(state.Frequencias[20], 1);
}

}  // namespace
}  // namespace varnesk
