// The strip under each window's panel: which population, the n and R a run really uses, the
// standard error theory gives, the step-by-step run's progress; and the normal curve on the
// step-by-step window's count axis.
#include "engine/comparison_window.h"
#include "engine/status_lines.h"
#include "layout/window_layouts.h"
#include "support.h"

namespace {

// Values 0.5, 1, ..., 10 over and over: sigma sqrt(8.3125) whenever 20 divides the count.
std::string cycle(int count) {
  std::string content;
  for (int i = 0; i < count; ++i) content += formatFixed(0.5 + (i % 20) * 0.5, 1, '.') + "\n";
  return content;
}

TEST(StatusLines, WholeNumbersGroupedAsTheRegionGroupsThem) {
  const struct {
    long long value;
    char separator;
    std::string text;
  } cases[] = {{0, ',', "0"},           {999, ',', "999"},          {1000, ',', "1.000"},
               {50000, '.', "50,000"},  {578000, ',', "578.000"},   {1000000, ',', "1.000.000"},
               {-1234567, '.', "-1,234,567"}};
  for (const auto& c : cases) EXPECT_EQ(formatThousands(c.value, c.separator), c.text) << c.value;
  const struct {
    double read;
    long long whole;
  } readings[] = {{10.0, 10}, {99.9, 99}, {0.5, 0}, {-3, 0}, {std::nan(""), 0}, {1e300, 1000000000000000}};
  for (const auto& r : readings) EXPECT_EQ(wholeShown(r.read), r.whole) << r.read;
}

TEST(StatusLines, EachWindowSaysWhatItReadAndWhatTheoryExpects) {
  const struct {
    std::string file;
    std::string content;
    WindowKind kind;
    char separator;
    std::string n, r;
    std::string population, theory, progress;
  } cases[] = {
      // A sample size typed with a thousands point is read as 10, and the line says so.
      {"populacao.txt", cycle(50000), WindowKind::Instant, ',', "10.000", "1000",
       "População: populacao.txt (N = 50.000) · n = 10 · R = 1.000", "Erro padrão teórico: 0,912", ""},
      {"populacao.txt", cycle(50000), WindowKind::Instant, '.', "1e3", "100.9",
       "População: populacao.txt (N = 50,000) · n = 1,000 · R = 100", "Erro padrão teórico: 0.090", ""},
      {"dados da turma.csv", cycle(2000), WindowKind::StepByStep, ',', "10", "1000",
       "População: dados da turma.csv (N = 2.000) · n = 10 · R = 1.000", "Erro padrão teórico: 0,910",
       "Médias mostradas: 0 de 1.000"},
      // R as the step-by-step window rounds it; the whole population as the sample: no spread.
      {"oito.txt", "1\n2\n3\n4\n5\n6\n7\n8\n", WindowKind::StepByStep, '.', "8", "150.5",
       "População: oito.txt (N = 8) · n = 8 · R = 150", "Erro padrão teórico: 0.000",
       "Médias mostradas: 0 de 150"},
      {"oito.txt", "1\n2\n3\n4\n5\n6\n7\n8\n", WindowKind::Instant, ',', "3", "20",
       "População: oito.txt (N = 8) · n = 3 · R = 20", "Erro padrão teórico: 1,118", ""},
  };
  TempFolder folder;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.population);
    writeBytes(folder / c.file, c.content);
    RecordingPlatform platform;
    SimulationWindow window(c.kind, {platform, fixedMeasure, c.separator, {folder / c.file, {}}, [] { return 3u; }});
    const WindowModel& m = window.model();
    EXPECT_EQ(m.PopulationLBL.caption, "");
    ASSERT_TRUE(window.Load(c.n, c.r));
    EXPECT_EQ(std::tuple(m.PopulationLBL.caption, m.StandardErrorLBL.caption, m.ProgressLBL.caption),
              std::tuple(c.population, c.theory, c.progress));
    window.simulate();
    window.simulateMany(9);
    EXPECT_EQ(m.PopulationLBL.caption, c.population);  // a run does not change what it used
    if (c.kind == WindowKind::StepByStep) {
      EXPECT_EQ(m.ProgressLBL.caption, "Médias mostradas: 10 de " + c.progress.substr(c.progress.rfind(' ') + 1));
    }
  }
}

TEST(StatusLines, TheComparisonNamesItsPopulationThenWhatItUsed) {
  TempFolder folder;
  writeBytes(folder / "populacao.txt", cycle(2000));
  RecordingPlatform platform;
  ComparisonWindow window(platform, {folder / "populacao.txt", {}}, [] { return 3u; }, ',');
  EXPECT_EQ(window.PopulationLBL.caption, "População: populacao.txt");
  window.SampleSizesTXT.text = "10 100 1000";
  window.RepetitionsTXT.text = "1000.7";
  window.compare();
  EXPECT_EQ(window.PopulationLBL.caption, "População: populacao.txt (N = 2.000) · n = 10, 100, 1.000 · R = 1.000");
  window.SampleSizesTXT.text = "10, 5000";  // refused: the line keeps the last comparison
  window.compare();
  EXPECT_EQ(window.PopulationLBL.caption, "População: populacao.txt (N = 2.000) · n = 10, 100, 1.000 · R = 1.000");
}

// The strip lies below every control of the window's design, inside the grown client area,
// its lines side by side without overlapping.
TEST(StatusLines, TheStripLiesBelowTheDesignedControls) {
  for (const WindowLayout* layout : {&simulationLayout(WindowKind::Instant),
                                     &simulationLayout(WindowKind::StepByStep), &comparisonLayout()}) {
    SCOPED_TRACE(layout->name);
    float designBottom = 0;
    std::vector<Box> strip;
    for (const ControlLayout& c : layout->controls) {
      const bool added = c.name.ends_with("PopulationLBL") || c.name == "StandardErrorLBL" || c.name == "ProgressLBL";
      if (added) strip.push_back(c.box);
      else if (c.container.empty() && !c.drawnByChart) designBottom = std::max(designBottom, c.box.top + c.box.height);
    }
    ASSERT_FALSE(strip.empty());
    for (std::size_t i = 0; i < strip.size(); ++i) {
      const Box& b = strip[i];
      EXPECT_GE(b.top, designBottom);
      EXPECT_LE(b.top + b.height, layout->clientHeight);
      EXPECT_LE(b.left + b.width, layout->clientWidth);
      for (std::size_t j = 0; j < i; ++j) {
        const Box& o = strip[j];
        const bool apart = b.left >= o.left + o.width || o.left >= b.left + b.width || b.top >= o.top + o.height ||
                           o.top >= b.top + b.height;
        EXPECT_TRUE(apart) << i << " " << j;
      }
    }
  }
}

// The curve on the step-by-step window's count axis, read back through the axis's own labels:
// at each class centre, the number of means theory expects among those shown (class width times
// the normal density, times the means shown), cut at the frame's top; it follows the axis when
// the axis is refitted after 100 means.
TEST(StatusLines, TheStepWindowsCurveCountsTheMeansShown) {
  TempFolder folder;
  writeBytes(folder / "populacao.txt", cycle(2000));
  RecordingPlatform platform;
  SimulationWindow window(WindowKind::StepByStep, {platform, fixedMeasure, '.', {folder / "populacao.txt", {}}, [] { return 3u; }});
  ASSERT_TRUE(window.Load("10", "300"));
  window.showNormalCurve(true);
  EXPECT_TRUE(window.model().chart.NormalCurve.empty());  // no mean shown yet
  const double se = std::sqrt(8.3125 / 10 * 1990 / 1999);
  int shown = 0;
  for (int target : {1, 40, 100, 101, 300}) {
    SCOPED_TRACE(target);
    window.simulateMany(target - shown);
    shown = target;
    const ChartModel& chart = window.model().chart;
    const double perMean = (chart.LinhaGradeHorizontal[0].y1 - chart.LinhaGradeHorizontal[1].y1) /
                           parseLeadingNumber(chart.RotuloY[1].caption);
    const double axisTop = chart.Shape1.height / perMean;
    const double width = window.scale().AmplitudeClasse;
    const int slots = window.scale().NumeroClasses + 1;
    ASSERT_EQ(chart.NormalCurve.size(), static_cast<std::size_t>(slots * 8 + 1));
    for (int c = 0; c < slots; ++c) {
      const Point& centre = chart.NormalCurve[static_cast<std::size_t>(c * 8 + 4)];
      EXPECT_NEAR(centre.x, chart.Shape1.left + (c + 0.5) * chart.Shape1.width / slots, 0.01);
      const double z = (window.run().MenorMedia + (c + 0.5) * width - 5.25) / se;
      const double expected = shown * width * std::exp(-z * z / 2) / (se * std::sqrt(2 * std::numbers::pi));
      EXPECT_NEAR((chart.bottom() - centre.y) / perMean, std::min(expected, axisTop), 0.001 * shown) << c;
    }
  }
  window.showNormalCurve(false);
  EXPECT_TRUE(window.model().chart.NormalCurve.empty());
}

}  // namespace
