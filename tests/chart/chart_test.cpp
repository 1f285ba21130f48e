// The chart in twips on the design-time frames: form1's bottom edge lies at 6315, Form4's at
// 6300; classes of 0.1 from 1.0 unless a test says otherwise.
#include "support.h"

namespace {

using V = std::vector<float>;

std::string shown(const auto& labels) {  // the captions of the labels shown
  std::string out;
  for (const Label& l : labels) out += l.visible ? l.caption + " " : "";
  return out;
}

struct Chart {
  explicit Chart(WindowKind kind, double low = 1, double high = 3) : kind(kind), chart(initialChart(simulationLayout(kind))) {
    state.Frequencias.fill(7);
    MontarGrade(chart, state);
    state.scale = EscolherEscala(low, high, traitsOf(kind).chart);
    MenorMedia = low;
  }
  void xAxis(const V& sorted, char sep = '.', float populationMean = 1) {
    MontarEixoX(traitsOf(kind).chart, chart, state, {sorted, MenorMedia, populationMean}, fixedMeasure, sep);
  }
  WindowKind kind;
  ChartModel chart;
  ChartState state;
  double MenorMedia = 0;
};

TEST(MontarGrade, StartingLayoutFromTheFrame) {
  const Chart c(WindowKind::Instant);
  for (int i = 0; i < 6; ++i) {
    const Line& l = c.chart.LinhaGradeHorizontal[i];
    const float y = 6315 - 1306.25f * i;  // four bands up to 100 twips below the top, one above
    EXPECT_EQ(V({l.x1, l.y1, l.x2, l.y2, c.chart.RotuloY[i].left, c.chart.RotuloY[i].top}),
              V({980, y, 10350, y, 880, y - 97.5f}));
  }
  for (int i = 0; i <= 40; ++i) {
    const Line& l = c.chart.LinhaGradeVertical[i];
    EXPECT_EQ(V({l.x1, l.y1, l.y2, c.chart.RotuloX[i].top}), V({1852.5f + 772.5f * i, 990, 6335, 6335}));
    EXPECT_FALSE(l.visible || c.chart.RotuloX[i].visible || (i < 6 && c.chart.LinhaGradeHorizontal[i].visible));
  }
  for (int i = 0; i <= 50; ++i) EXPECT_EQ(c.state.Frequencias[i], i <= 40 ? 0 : 7);
  for (int i = 0; i < 72; ++i)
    EXPECT_EQ(V({c.chart.Coluna[i].left, c.chart.Coluna[i].top}), V({1080.f + 10 * i, 6315}));
}

TEST(EscolherEscala, TableRowsByRange) {
  for (const auto& [range, classes, amplitude, stepForm4] :
       {std::tuple{0.5, 25, 0.02, 10}, {1, 20, 0.05, 20}, {1.5, 30, 0.05, 10}, {2, 20, 0.1, 50}, {2.5, 25, 0.1, 50}, {3, 30, 0.1, 50}, {3.5, 35, 0.1, 50}, {4, 20, 0.2, 50}, {4.5, 30, 0.15, 50}, {5, 25, 0.2, 50}, {5.5, 25, 0.22, 50}, {6, 30, 0.2, 50}, {7, 25, 0.28, 50}, {6.5, 20, 1.0, 50}, {7.5, 20, 1.0, 50}}) {
    const Scale e = EscolherEscala(-1.5, range - 1.5, kInstantChart);
    EXPECT_EQ(std::tuple(e.NumeroClasses, e.AmplitudeClasse, e.PassoRotulo,
                         EscolherEscala(-1.5, range - 1.5, kStepByStepChart).PassoRotulo),
              std::tuple(classes, amplitude, 5, stepForm4))
        << range;
  }
}

TEST(MontarEixoY, PercentTopBandsCaptionsAndColumns) {
  for (const auto& [largest, separator, captions] :  // the largest class, of 1000 means
       {std::tuple{123, '.', "0 5 10 15 "}, {75, ',', "0 2,5 5 7,5 10 "}, {25, '.', "0 1 2 3 4 5 "}, {105, '.', "0 2.5 5 7.5 10 "}, {235, '.', "0 5 10 15 20 25 "}, {1000, '.', "0 25 50 75 100 "}}) {
    Chart c(WindowKind::Instant);
    c.state.Frequencias[2] = largest;
    c.state.Frequencias[4] = 1;
    MontarEixoY(c.chart, c.state, 1000, fixedMeasure, separator);
    EXPECT_EQ(shown(c.chart.RotuloY), captions);
    for (const Label& l : c.chart.RotuloY) EXPECT_FLOAT_EQ(l.left + l.width, 970);
    if (largest != 123) continue;  // 12.3 % on a top of 15: three bands, 355 twips a point
    for (int i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(c.chart.LinhaGradeHorizontal[i].y1, 6315 - 1775 * i);
    EXPECT_EQ(V({c.chart.Coluna[2].height, c.chart.Coluna[4].height}), V({4366.5f, 35.5f}));
  }
}

TEST(MontarEixoY, CountScaleRadiusAndRefitOfTheDotsShown) {
  Chart c(WindowKind::StepByStep);
  c.state.Frequencias[1] = 3;  // dots already shown in class 1
  c.state.CentroColuna[1] = 1300;
  for (const auto& [largest, top, captions] :
       {std::tuple{23, 30, "0 6 12 18 24 30 "}, {7, 10, "0 2.5 5 7.5 10 "}, {40, 40, "0 10 20 30 40 "}}) {
    MontarEixoY(c.chart, c.state, V(largest, 0.5f), 101, fixedMeasure, '.');
    EXPECT_EQ(shown(c.chart.RotuloY), captions);  // a refit with fewer bands hides the others
    EXPECT_FLOAT_EQ(c.state.RaioPonto, 5325.0f / top / 2);
  }
  const float r = c.state.RaioPonto;
  EXPECT_FLOAT_EQ(c.chart.LinhaGradeHorizontal[4].y1, 975);  // the frame's top edge
  EXPECT_EQ(c.chart.surface, (std::vector<SurfaceDot>{{1300, 6300 - 2 * r, r}, {1300, 6300 - 4 * r, r}, {1300, 6300 - 6 * r, r}}));
}

TEST(MontarEixoX, LabelsShownByWindowRangeAndSeparator) {
  for (const auto& [kind, range, separator, captions] :  // 1.46 is the first "1.5", 1.50 repeats it
       {std::tuple{WindowKind::Instant, 2.0, ',', "1,0 1,5 2,0 2,5 3,0 "},
        {WindowKind::Instant, 0.5, '.', "1.0 1.5 "},
        {WindowKind::Instant, 0.5, ',', "1,0 1,5 "},
        {WindowKind::StepByStep, 1.0, '.', "1.0 1.2 1.4 1.6 1.8 "},
        {WindowKind::StepByStep, 0.5, ',', "1,0 1,1 1,2 1,3 1,4 "}}) {
    Chart c(kind, 1.0, 1.0 + range);
    c.xAxis({1.2f}, separator);
    EXPECT_EQ(shown(c.chart.RotuloX), captions) << range;
  }
}

TEST(MontarEixoX, ClassesSlotsColumnsAndMeanLine) {
  const float below = std::nextafter(1.5f, 0.0f), slot = 9270.0f / 21;
  Chart form1(WindowKind::Instant);
  form1.xAxis({1.0f, below, 1.5f, 9.0f});
  const ChartModel& c = form1.chart;
  // On a boundary a mean counts in the class above; above every boundary, in the last class.
  for (int i : {0, 4, 5, 20}) EXPECT_EQ(form1.state.Frequencias[i], 25) << i;
  EXPECT_EQ(V({c.Coluna[20].left + c.Coluna[20].width, c.LinhaGradeVertical[20].x1, c.RotuloX[1].left}),
            V({10350, 10350, 1080 + slot - 45}));                       // a label is centred by its width before captioning
  EXPECT_EQ(V({c.Coluna[4].top, c.Coluna[4].height}), V({990, 5325}));  // 25 % of a top of 25
  EXPECT_TRUE(c.Coluna[20].visible && !c.Coluna[21].visible);

  Chart tall(WindowKind::Instant);  // 5.4 % rounds to a top of 5: the column is cut to the frame
  V many(27, 1.05f);
  for (int k = 1; k <= 20; ++k) many.insert(many.end(), k <= 13 ? 24 : 23, 1.05f + 0.1f * k);
  tall.xAxis(many);
  EXPECT_EQ(V({tall.chart.Coluna[0].top, tall.chart.Coluna[0].height}), V({990, 5325}));

  Chart form4(WindowKind::StepByStep);
  form4.xAxis({0.5f, below, 1.5f, 9.0f});
  for (int i : {1, 5, 6, 20}) EXPECT_EQ(form4.state.Frequencias[i], 1) << i;
  const Line& mean = form4.chart.MediaLIN;  // the population mean 1.0 is MenorMedia
  EXPECT_THAT(V({form4.state.CentroColuna[1], form4.chart.RotuloX[1].left, mean.x1, mean.y1, mean.y2}),
              ::testing::Pointwise(::testing::FloatNear(0.01f), V({1080 + slot / 2, 1080 - 45, 1080, 975, 6320})));
  EXPECT_DOUBLE_EQ(form4.state.LimitesClasses[20], 1.0 + 19 * 0.1);
  form4.xAxis({1.2f}, '.', 2.0f);
  EXPECT_NEAR(form4.chart.MediaLIN.x1, 1080 + 10 * slot, 0.01);
}

TEST(AjustarColunas, DotsStackOnTheirClassNeverBelowTheFrame) {
  for (const auto& [radius, heights] : {std::pair{100.f, V{6200, 6000, 5800}}, {30.f, {6240, 6245, 6185}}}) {
    Chart c(WindowKind::StepByStep);
    for (int j = 1; j <= 20; ++j) c.state.LimitesClasses[j] = 1.0 + (j - 1) * 0.1;
    c.state.CentroColuna[6] = 2000;
    c.state.RaioPonto = radius;
    for (int k = 0; k < 3; ++k) AjustarColunas(c.chart, c.state, 1.5f);  // on a boundary
    for (int k = 0; k < 3; ++k) EXPECT_EQ(c.chart.surface.at(k), (SurfaceDot{2000, heights[k], radius}));
    AjustarColunas(c.chart, c.state, 9.0f);
    EXPECT_EQ(c.state.Frequencias[20], 1);
  }
}

}  // namespace
