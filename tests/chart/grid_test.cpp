#include "chart/grid.h"

#include <gtest/gtest.h>

#include "engine/window_model.h"

namespace varnesk {
namespace {

TEST(MontarGrade, StartingLayoutFromTheDesignFrame) {
  WindowModel m = modeloInicial(TipoJanela::Instantanea);
  ChartState state;
  state.Frequencias.fill(7);
  m.chart.RotuloY[2].width = 180;  // a wider label still ends 10 twips before its line
  MontarGrade(m.chart, state);

  const float expectedY[] = {6315, 5008.75f, 3702.5f, 2396.25f, 1090, -216.25f};
  for (int i = 0; i < 6; ++i) {
    const Line& line = m.chart.LinhaGradeHorizontal[i];
    EXPECT_FLOAT_EQ(line.y1, expectedY[i]);
    EXPECT_FLOAT_EQ(line.y2, expectedY[i]);
    EXPECT_FLOAT_EQ(line.x1, 980);
    EXPECT_FLOAT_EQ(line.x2, 10350);
    const Label& label = m.chart.RotuloY[i];
    EXPECT_FLOAT_EQ(label.left + label.width, 970);
    EXPECT_FLOAT_EQ(label.top, expectedY[i] - 97.5f);
    EXPECT_FALSE(line.visible || label.visible);
  }
  for (int i = 0; i <= 40; ++i) {
    const Line& line = m.chart.LinhaGradeVertical[i];
    EXPECT_FLOAT_EQ(line.x1, 1852.5f + 772.5f * i);
    EXPECT_FLOAT_EQ(line.y1, 990);
    EXPECT_FLOAT_EQ(line.y2, 6335);
    EXPECT_FLOAT_EQ(m.chart.RotuloX[i].top, 6335);
    EXPECT_FALSE(line.visible || m.chart.RotuloX[i].visible);
    EXPECT_EQ(state.Frequencias[i], 0);
  }
  for (int i = 41; i <= 50; ++i) EXPECT_EQ(state.Frequencias[i], 7);  // beyond the chart's classes
  ASSERT_EQ(m.chart.Coluna.size(), 72u);
  for (int i = 0; i < 72; ++i) {
    const Rect& column = m.chart.Coluna[i];
    EXPECT_FLOAT_EQ(column.left, 1080 + 10.0f * i);
    EXPECT_FLOAT_EQ(column.top, 6315);
    EXPECT_EQ(column.height, 0);
    EXPECT_FALSE(column.visible);
  }
}

TEST(MontarGrade, FollowsTheFrameAndCollapsesWithAFlatOne) {
  WindowModel m = modeloInicial(TipoJanela::PassoAPasso);
  ChartState state;
  m.chart.Shape1 = {100, 200, 1200, 100, true};
  MontarGrade(m.chart, state);
  for (const Line& line : m.chart.LinhaGradeHorizontal) EXPECT_FLOAT_EQ(line.y1, 300);
  EXPECT_FLOAT_EQ(m.chart.LinhaGradeVertical[0].x1, 200);
  EXPECT_FLOAT_EQ(m.chart.LinhaGradeVertical[0].y2, 320);
  EXPECT_TRUE(m.chart.Coluna.empty());
}

}  // namespace
}  // namespace varnesk
