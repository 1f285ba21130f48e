#include "chart/y_axis.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "chart/grid.h"
#include "engine/window_model.h"
#include "support/recording_platform.h"

namespace varnesk {
namespace {

using testing::fixedMeasure;

struct Chart {
  explicit Chart(TipoJanela tipo) : model(modeloInicial(tipo)) {
    MontarGrade(model.chart, state);
    state.escala = {20, 0.1, 5};
  }
  std::vector<std::string> captions(int bands) const {
    std::vector<std::string> out;
    for (int i = 0; i <= bands; ++i) out.push_back(model.chart.RotuloY[i].caption);
    return out;
  }
  WindowModel model;
  ChartState state;
};

TEST(MontarEixoYPercentual, TopBandsAndCaptions) {
  const struct {
    double largestCount;  // of 1000 means
    char separator;
    long top;
    std::vector<std::string> captions;
  } cases[] = {
      {123, '.', 15, {"0", "5", "10", "15"}},
      {75, ',', 10, {"0", "2,5", "5", "7,5", "10"}},
      {25, '.', 5, {"0", "1", "2", "3", "4", "5"}},  // 2.5 % rounds to 2, rises to 5
      {200, '.', 20, {"0", "5", "10", "15", "20"}},
      {235, '.', 25, {"0", "5", "10", "15", "20", "25"}},
      {1000, '.', 100, {"0", "25", "50", "75", "100"}},
  };
  for (const auto& c : cases) {
    Chart chart(TipoJanela::Instantanea);
    chart.state.Frequencias[3] = c.largestCount;
    chart.state.Frequencias[4] = 1;
    const EixoY axis = MontarEixoYPercentual(chart.model.chart, chart.state, 1000, fixedMeasure, c.separator);
    EXPECT_EQ(axis.TopoEscala, c.top) << c.largestCount;
    ASSERT_EQ(axis.NumeroDivisoes + 1, static_cast<int>(c.captions.size())) << c.largestCount;
    EXPECT_EQ(chart.captions(axis.NumeroDivisoes), c.captions) << c.largestCount;
    EXPECT_DOUBLE_EQ(chart.state.Frequencias[4], 0.1);  // counts became percentages
  }
}

TEST(MontarEixoYPercentual, WorkedExampleOfTwelvePointThreePercent) {
  Chart chart(TipoJanela::Instantanea);
  chart.state.Frequencias[0] = 123;
  MontarEixoYPercentual(chart.model.chart, chart.state, 1000, fixedMeasure, '.');
  const float lines[] = {6315, 4540, 2765, 990};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(chart.model.chart.LinhaGradeHorizontal[i].y1, lines[i]);
    EXPECT_TRUE(chart.model.chart.LinhaGradeHorizontal[i].visible);
    const Label& label = chart.model.chart.RotuloY[i];
    EXPECT_FLOAT_EQ(label.left + label.width, 970);  // whatever the caption's length
    EXPECT_TRUE(label.visible);
  }
  EXPECT_FALSE(chart.model.chart.LinhaGradeHorizontal[4].visible);
  EXPECT_FLOAT_EQ(chart.model.chart.Coluna[0].height, 4366.5f);
}

TEST(MontarEixoYContagem, ScaleFromTheStageAndDotRadius) {
  const struct {
    int largest;
    long top;
    int bands;
  } cases[] = {{23, 30, 5}, {40, 40, 4}, {7, 10, 4}, {101, 110, 5}};
  for (const auto& c : cases) {
    Chart chart(TipoJanela::PassoAPasso);
    chart.state.LimitesClasses[2] = 1.0;  // means below 1.0 fall in class 1
    for (int k = 3; k <= 20; ++k) chart.state.LimitesClasses[k] = k;
    std::vector<float> stage(static_cast<std::size_t>(c.largest), 0.5f);
    stage.push_back(5.5f);
    testing::RecordingPlatform platform;
    const EixoY axis = MontarEixoYContagem(chart.model.chart, chart.state, stage, 100, fixedMeasure, '.', platform);
    EXPECT_EQ(axis.TopoEscala, c.top) << c.largest;
    EXPECT_EQ(axis.NumeroDivisoes, c.bands) << c.largest;
    EXPECT_FLOAT_EQ(chart.state.RaioPonto, 5325.0f / c.top / 2) << c.largest;
    EXPECT_FLOAT_EQ(chart.model.chart.LinhaGradeHorizontal[axis.NumeroDivisoes].y1, 975);  // frame top
    EXPECT_TRUE(platform.circles.empty());  // nothing shown yet: nothing redrawn
    EXPECT_EQ(platform.clears, 1);
  }
}

TEST(MontarEixoYContagem, RefitWithFewerBandsHidesTheHigherOnes) {
  Chart chart(TipoJanela::PassoAPasso);
  testing::RecordingPlatform platform;
  std::vector<float> stage(23, 0.5f);
  MontarEixoYContagem(chart.model.chart, chart.state, stage, 100, fixedMeasure, '.', platform);
  ASSERT_TRUE(chart.model.chart.RotuloY[5].visible);
  stage.assign(40, 0.5f);
  chart.state.Frequencias[1] = 3;
  chart.state.CentroColuna[1] = 1300;
  MontarEixoYContagem(chart.model.chart, chart.state, stage, 101, fixedMeasure, '.', platform);
  EXPECT_FALSE(chart.model.chart.RotuloY[5].visible);
  EXPECT_FALSE(chart.model.chart.LinhaGradeHorizontal[5].visible);
  EXPECT_EQ(chart.model.chart.RotuloY[4].caption, "40");
  // The dots already shown are drawn again on the new scale, touching.
  const float r = 5325.0f / 40 / 2;
  EXPECT_EQ(platform.circles, (std::vector<testing::Circle>{{1300, 6300 - 2 * r, r},
                                                             {1300, 6300 - 4 * r, r},
                                                             {1300, 6300 - 6 * r, r}}));
}

}  // namespace
}  // namespace varnesk
