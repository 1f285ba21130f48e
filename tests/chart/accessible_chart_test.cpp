// What a student who cannot see the projector, or tell its colours apart, gets of a window: its
// chart in one sentence, every control called by the caption beside it, lines that differ beyond
// their colour, and a sample shown beside the histogram rather than over it.
#include <map>
#include <set>

#include "chart/histogram_description.h"
#include "chart/projector_theme.h"
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

// The relative luminance of a colour and the contrast of two, as the web's guidelines define them.
double luminance(Color c) {
  const auto channel = [](std::uint8_t v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
}
double contrast(Color a, Color b) {
  const double first = luminance(a), second = luminance(b);
  return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The lines a student reads in a chart (not its grid): colour, width and style.
std::vector<std::tuple<Color, int, LineStyle>> readLines(const DrawingList& drawing) {
  std::vector<std::tuple<Color, int, LineStyle>> lines;
  for (const DrawingPrimitive& p : drawing) {
    if (const auto* l = std::get_if<PlainLine>(&p); l && l->color != kInactiveCaption) lines.emplace_back(l->color, l->width, l->style);
    if (const auto* c = std::get_if<Curve>(&p)) lines.emplace_back(c->color, c->width, c->style);
    if (const auto* g = std::get_if<GridLine>(&p); g && g->width > 1) lines.emplace_back(g->color, g->width, LineStyle::Solid);  // a mean line
  }
  return lines;
}

// Each chart's lines: at least 3:1 against the dialog colour (Qt's light grey) or white, and two
// of different colours never alike in width and style.
TEST_F(Windows, LinesDifferBeyondColourAndStandOutFromTheBackground) {
  SimulationWindow instant(WindowKind::Instant, environment());
  ASSERT_TRUE(instant.Load("10", "500"));
  instant.simulate();
  instant.showNormalCurve(true);
  SimulationWindow step(WindowKind::StepByStep, environment());
  ASSERT_TRUE(step.Load("10", "150"));
  step.simulateMany(20);
  PopulationWindow population(environment());
  population.show(step.population(), step.populationFormat(), "p.txt");
  population.showSample(step.latestSample());
  ComparisonWindow comparison(environment());
  comparison.SampleSizesTXT.text = "5, 20";
  comparison.RepetitionsTXT.text = "300";
  comparison.compare();
  for (const auto& [name, drawing, expected] : std::vector<std::tuple<std::string, DrawingList, std::size_t>>{
           {"form1", instant.drawing(), 1},
           {"Form4", step.drawing(), 1},
           {"PopulationForm", population.drawing(9300, 4560), 2},
           {"ComparisonForm", comparison.drawing(9300, 4560), 2},  // the black axis, the blue mean
       }) {
    std::map<std::tuple<std::uint8_t, std::uint8_t, std::uint8_t>, std::tuple<int, LineStyle>> byColour;
    for (const auto& [color, width, style] : readLines(drawing)) {
      EXPECT_GE(contrast(color, Color::rgb(239, 239, 239)), 3) << name;
      byColour.emplace(std::tuple(color.r, color.g, color.b), std::tuple(width, style));
    }
    std::set<std::tuple<int, LineStyle>> looks;
    for (const auto& [color, look] : byColour) looks.insert(look);
    EXPECT_EQ(std::tuple(byColour.size(), looks.size()), std::tuple(expected, expected)) << name;
    // On the projector's black, every line still stands out, and no colour is left as drawn for
    // a light background.
    const DrawingList projected = inProjectorColors(drawing);
    if (const auto* fill = std::get_if<Fill>(&projected.front())) {  // the simulation windows: their own
      EXPECT_EQ(fill->color, projectorTheme().background) << name;
    }
    for (const auto& [color, width, style] : readLines(projected)) EXPECT_GE(contrast(color, projectorTheme().background), 3) << name;
    for (const DrawingPrimitive& p : projected) {
      if (const auto* t = std::get_if<Text>(&p)) {
        EXPECT_EQ(t->color, projectorTheme().text) << name << " " << t->text;
      }
    }
  }
}
