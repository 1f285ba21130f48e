#include "chart/x_axis.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "chart/grid.h"
#include "engine/window_model.h"
#include "support/recording_platform.h"

namespace varnesk {
namespace {

using testing::fixedMeasure;

struct Chart {
  Chart(TipoJanela tipo, double menor, double maior) : tipo(tipo), model(modeloInicial(tipo)) {
    MontarGrade(model.chart, state);
    state.escala = EscolherEscala(menor, maior, tipo);
    state.MenorMedia = menor;
  }
  void run(const std::vector<float>& sorted, char separator = '.', float populationMean = 0) {
    MontarEixoX(tipo, model.chart, state, {sorted, populationMean}, fixedMeasure, separator);
  }
  std::vector<int> shownLabels() const {
    std::vector<int> out;
    for (int i = 0; i <= 40; ++i)
      if (model.chart.RotuloX[i].visible) out.push_back(i);
    return out;
  }
  TipoJanela tipo;
  WindowModel model;
  ChartState state;
};

TEST(MontarEixoX, LabelsShownByWindowAndRange) {
  const struct {
    TipoJanela tipo;
    double range;
    char separator;
    std::vector<int> shown;
  } cases[] = {
      {TipoJanela::Instantanea, 2.0, '.', {0, 5, 10, 15, 20}},
      {TipoJanela::Instantanea, 2.0, ',', {0, 5, 10, 15, 20}},  // same labels under a comma
      {TipoJanela::Instantanea, 0.5, '.', {0, 23}},  // 1.46 is the first "1.5"; 1.50 repeats it
      {TipoJanela::Instantanea, 0.5, ',', {0, 23}},
      {TipoJanela::PassoAPasso, 1.0, '.', {1, 5, 9, 13, 17}},
      {TipoJanela::PassoAPasso, 0.5, ',', {1, 6, 11, 16, 21}},
  };
  for (const auto& c : cases) {
    Chart chart(c.tipo, 1.0, 1.0 + c.range);
    chart.run({1.2f}, c.separator);
    EXPECT_EQ(chart.shownLabels(), c.shown) << c.range << ' ' << c.separator;
  }
  Chart instant(TipoJanela::Instantanea, 1.0, 3.0);
  instant.run({1.2f}, ',');
  EXPECT_EQ(instant.model.chart.RotuloX[5].caption, "1,5");
  EXPECT_EQ(instant.model.chart.RotuloX[20].caption, "3,0");
}

TEST(MontarEixoX, MeansOnABoundaryCountInTheClassAbove) {
  const float below = std::nextafter(1.5f, 0.0f);
  Chart instant(TipoJanela::Instantanea, 1.0, 3.0);  // classes of 0.1 from 1.0
  instant.run({1.0f, below, 1.5f, 9.0f});
  Chart step(TipoJanela::PassoAPasso, 1.0, 3.0);
  step.run({0.5f, below, 1.5f, 9.0f});
  // Counted before the instant window's percentages: 4 means, 25 % each.
  EXPECT_EQ(instant.state.Frequencias[0], 25);
  EXPECT_EQ(instant.state.Frequencias[4], 25);
  EXPECT_EQ(instant.state.Frequencias[5], 25);
  EXPECT_EQ(instant.state.Frequencias[20], 25);  // above every boundary: the last class
  EXPECT_EQ(step.state.Frequencias[1], 1);
  EXPECT_EQ(step.state.Frequencias[5], 1);
  EXPECT_EQ(step.state.Frequencias[6], 1);
  EXPECT_EQ(step.state.Frequencias[20], 1);
}

TEST(MontarEixoX, SlotsColumnsCentresAndMeanLine) {
  Chart instant(TipoJanela::Instantanea, 1.0, 3.0);
  instant.run({1.0f, 1.0f, 1.25f, 2.95f});
  const float slot = 9270.0f / 21;
  const auto& c = instant.model.chart;
  EXPECT_FLOAT_EQ(c.Coluna[20].left + c.Coluna[20].width, 10350);
  EXPECT_FLOAT_EQ(c.LinhaGradeVertical[20].x1, 10350);  // on the frame's right edge
  EXPECT_FLOAT_EQ(c.Coluna[0].width, slot);
  // Columns stand on the frame's bottom: 50 % on a top of 50 fills the frame, 25 % half of it.
  EXPECT_FLOAT_EQ(c.Coluna[0].height, 5325);
  EXPECT_FLOAT_EQ(c.Coluna[0].top, 990);
  EXPECT_FLOAT_EQ(c.Coluna[2].height, 2662.5f);
  EXPECT_FLOAT_EQ(c.Coluna[2].top + c.Coluna[2].height, 6315);
  EXPECT_TRUE(c.Coluna[0].visible);
  EXPECT_FALSE(c.Coluna[21].visible);

  Chart step(TipoJanela::PassoAPasso, 1.0, 3.0);
  step.run({1.2f}, '.', 1.0f);
  EXPECT_FLOAT_EQ(step.state.CentroColuna[1], 1080 + slot / 2);
  EXPECT_FLOAT_EQ(step.model.chart.MediaLIN.x1, 1080);  // the population mean at MenorMedia
  EXPECT_FLOAT_EQ(step.model.chart.MediaLIN.y1, 975);
  EXPECT_FLOAT_EQ(step.model.chart.MediaLIN.y2, 6320);
  EXPECT_DOUBLE_EQ(step.state.LimitesClasses[1], 1.0);
  EXPECT_DOUBLE_EQ(step.state.LimitesClasses[20], 1.0 + 19 * 0.1);
  EXPECT_EQ(step.state.LimitesClasses[21], 0);
  step.run({1.2f}, '.', 2.0f);
  EXPECT_NEAR(step.model.chart.MediaLIN.x1, 1080 + 10 * slot, 0.01);
}

}  // namespace
}  // namespace varnesk
