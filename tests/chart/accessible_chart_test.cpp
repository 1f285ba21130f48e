// What a student who cannot see the projector gets of a window: its chart in one sentence and
// every control called by the caption beside it.
#include "chart/histogram_description.h"
#include "engine/population_window.h"
#include "engine/window_registry.h"
#include "layout/spoken_caption.h"
#include "support.h"

namespace {

TEST(HistogramDescription, CountRangeHighestClassMeanAndSpread) {
  struct Case {
    long long count;
    double start, width;
    std::vector<double> classes;
    char separator;
    std::string sentence;
  };
  for (const Case& c : std::vector<Case>{
           {1000, 1.80, 0.05, {0, 4, 10, 30, 18, 18, 12, 8, 0}, ',', "Histograma de 1.000 médias amostrais, de 1,85 a 2,20; a classe mais alta, 1,95 a 2,00, tem 30 %; média 2,000, dp 0,044"},
           {12, 0, 0.5, {3, 3, 6, 0}, '.', "Histograma de 12 médias amostrais, de 0.00 a 1.50; a classe mais alta, 1.00 a 1.50, tem 50 %; média 2,000, dp 0,044"},
           {5000, 1, 0.1, {1, 2, 2}, ',', "Histograma de 5.000 médias amostrais, de 1,00 a 1,30; a classe mais alta, 1,10 a 1,20, tem 40 %; média 2,000, dp 0,044"},  // ties: the leftmost
           {0, 1, 0.1, {0, 0}, ',', ""},
           {3, 1, 0.1, {}, ',', ""},
       }) {
    HistogramDescription d;
    d.count = c.count;
    d.what = "médias amostrais";
    d.start = c.start;
    d.classWidth = c.width;
    d.classes = c.classes;
    d.mean = "2,000";
    d.sd = "0,044";
    EXPECT_EQ(d.sentence(c.separator), c.sentence);
  }
}

struct Windows : ::testing::Test {
  void SetUp() override { writeValues(file, 2000, 1, halfSteps); }
  WindowEnvironment environment() {
    return {platform, fixedMeasure, ',', {file, {}}, [] { return 5u; }};
  }
  TempFolder folder;
  std::string file = folder / "populacao.txt";
  RecordingPlatform platform;
};

// Each window says its sentence after the run or step that changed it, with the numbers its panel
// shows, and nothing before.
TEST_F(Windows, EveryChartIsToldInOneSentenceAfterEachRunOrStep) {
  SimulationWindow instant(WindowKind::Instant, environment());
  ASSERT_TRUE(instant.Load("10", "200"));
  EXPECT_EQ(instant.control(kChartDescription).text, "");
  instant.simulate();
  const std::string told = instant.control(kChartDescription).text;
  EXPECT_THAT(told, ::testing::StartsWith("Histograma de 200 médias amostrais, de "));
  EXPECT_THAT(told, ::testing::EndsWith("; média " + instant.control("MediaLBL").text + ", dp " + instant.control("dpLBL").text));

  SimulationWindow step(WindowKind::StepByStep, environment());
  ASSERT_TRUE(step.Load("10", "150"));
  step.simulateMany(9);
  EXPECT_THAT(step.control(kChartDescription).text, ::testing::StartsWith("Histograma de 9 médias amostrais"));
  step.simulate();
  EXPECT_THAT(step.control(kChartDescription).text, ::testing::HasSubstr("de 10 médias amostrais"));

  PopulationWindow population(environment());
  ASSERT_TRUE(population.Load());
  EXPECT_THAT(population.control(kChartDescription).text,
              ::testing::StartsWith("Histograma de 2.000 valores da população, de "));
  EXPECT_THAT(population.control(kChartDescription).text, ::testing::HasSubstr("; média " + population.control("MeanLBL").text));

  ComparisonWindow comparison(environment());
  comparison.SampleSizesTXT.text = "5, 20";
  comparison.RepetitionsTXT.text = "300";
  EXPECT_EQ(comparison.control(kChartDescription).text, "");
  comparison.compare();
  const std::string both = comparison.control(kChartDescription).text;
  EXPECT_THAT(both, ::testing::StartsWith("Histogramas das médias amostrais de 2 tamanhos de amostra, 300 médias cada, de "));
  EXPECT_THAT(both, ::testing::HasSubstr(". n = 5: a classe mais alta, "));
  EXPECT_THAT(both, ::testing::HasSubstr(". n = 20: a classe mais alta, "));
}

TEST(SpokenCaption, TheCaptionBesideEachBoxWithoutItsColon) {
  for (const auto& [window, control, caption] : std::vector<std::tuple<std::string, std::string, std::string>>{
           {"form1", "TamanhodaAmostraTXT", "Tamanho da Amostra"},  // on its left, "...:"
           {"form1", "NumeroRepeticoesTXT", "Número de Repetições"},
           {"form1", "MinimoLBL", "Mínimo"},  // a value box
           {"form1", "dpLBL", "dp"},
           {"form1", "Command3", "Encerrar/ Configurar"},  // a button's own
           {"Form4", "SpeedSpin", "médias por segundo"},   // on its right
       }) {
    const WindowLayout& layout = findWindow(window)->layout();
    EXPECT_EQ(spokenCaption(layout, layout.control(control)), caption) << window << " " << control;
  }
  for (const WindowEntry& window : windowRegistry())
    for (const ControlLayout& c : window.layout().controls)
      EXPECT_TRUE(!needsSpokenCaption(c) || !spokenCaption(window.layout(), c).empty()) << window.name << " " << c.name;
}

}  // namespace
