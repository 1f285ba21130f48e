// The window "População": what it says of a population file, what it refuses and how, its
// histogram drawn by the simulation windows' chart code, and the sample behind a mean of the
// step-by-step window marked over it.
#include "support.h"

#include "chart/population_chart.h"
#include "engine/population_window.h"
#include "engine/window_menu.h"
#include "layout/window_layouts.h"

namespace {

const char* const kValues[] = {"CountLBL", "MeanLBL", "SdLBL", "MinimumLBL", "MaximumLBL", "SeparatorLBL", "DecimalMarkLBL", "HeaderLBL", "ColumnLBL"};

std::vector<std::string> values(const PopulationWindow& w) {
  std::vector<std::string> out;
  for (const char* name : kValues) out.push_back(w.control(name).text);
  return out;
}

TEST(PopulationWindow, DescribesTheFileOrSaysWhyNotAndShowsNothingElse) {
  const TempFolder folder;
  // The file, the column asked for, the separator; the value boxes (none when refused), or part of MessageLBL.
  const struct {
    std::string bytes, column;
    char separator;
    std::vector<std::string> shown;
    std::string message;
  } cases[] = {
      {"1,5\n2\n0,25\n", "", ',', {"3", "1,25", "0,735980072", "0,25", "2", "nenhum (um valor por linha)", "vírgula", "não", "1"}, ""},
      {"taxa;turma\n1.5;A\n2;B\n0.25;C\n", "taxa", '.', {"3", "1.25", "0.735980072", "0.25", "2", "ponto e vírgula", "ponto", "sim", "1 (\"taxa\")"}, ""},
      {"1.5\nperda média\n", "", ',', {}, "na linha 2: \"perda média\""},
      {"taxa;turma\n1.5;A\n", "", '.', {}, "2 colunas (\"taxa\", \"turma\")"},
      {"", "", '.', {}, "populacao.txt"},
  };
  for (const auto& c : cases) {
    writeBytes(folder / "populacao.txt", c.bytes);
    RecordingPlatform platform;
    PopulationWindow w({platform, fixedMeasure, c.separator, {folder / "populacao.txt", {c.column}}, nullptr});
    // A population shown before, so that a refusal must take all of it away.
    w.show(populationOf({7, 8, 9}), {}, "antes.txt");
    const bool read = w.Load();
    EXPECT_EQ(read, !c.shown.empty()) << c.bytes;
    EXPECT_EQ(w.control("FileNameLBL").text, "populacao.txt");
    EXPECT_EQ(values(w), read ? c.shown : std::vector<std::string>(std::size(kValues))) << c.bytes;
    EXPECT_THAT(w.control("MessageLBL").text, ::testing::HasSubstr(c.message)) << c.bytes;
    EXPECT_EQ(w.control("MessageLBL").text.empty(), read) << c.bytes;
    EXPECT_EQ(w.drawing(9300, 4560).size() == 1, !read) << c.bytes;  // only the Fill
  }
}

// Every primitive of one kind, in painting order.
template <class T>
std::vector<T> all(const DrawingList& drawing) {
  std::vector<T> out;
  for (const auto& p : drawing)
    if (const auto* t = std::get_if<T>(&p)) out.push_back(*t);
  return out;
}

TEST(PopulationHistogram, RoundClassesCoverTheRangeAndABoundaryGoesUp) {
  // The values; where the classes start, their width, the last class, the counts of the first ones, the labels.
  const struct {
    std::vector<double> values;
    double start, width;
    int last;
    std::vector<int> counts;
    int labelEvery, decimals;
  } cases[] = {
      {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, 0, 1, 20, {1, 1, 1, 1, 1}, 5, 0},
      {{3, 3, 3}, 3, 1, 0, {3}, 1, 0},
      {{-2.5, -2, 7.5}, -2.5, 0.5, 20, {1, 1, 0}, 5, 1},
      {{1000, 1200, 5000}, 1000, 200, 20, {1, 1, 0}, 5, 0},
      {{0.25, 1.5, 2}, 0.2, 0.1, 18, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, 2, 1},  // 1.5 on a boundary
      {{4.1, 4.37}, 4.1, 0.02, 13, {1, 0}, 2, 2},
      {{0, 5e-320}, 0, 1, 0, {2}, 1, 0},  // a range too narrow for any power of ten
  };
  for (const auto& c : cases) {
    const PopulationHistogram h = populationHistogram(c.values, 0);
    EXPECT_NEAR(h.start, c.start, 1e-9) << c.values[0];
    EXPECT_NEAR(h.scale.AmplitudeClasse, c.width, 1e-12) << c.values[0];
    EXPECT_EQ(h.scale.NumeroClasses, c.last) << c.values[0];
    EXPECT_EQ(std::vector<int>(h.counts.begin(), h.counts.begin() + c.counts.size()), c.counts) << c.values[0];
    EXPECT_GE(h.counts.back(), std::count(c.values.begin(), c.values.end(), c.values.back())) << c.values[0];
    EXPECT_EQ(std::accumulate(h.counts.begin(), h.counts.end(), 0), int(c.values.size()));
    EXPECT_EQ(std::pair(h.labelEvery, h.labelDecimals), std::pair(c.labelEvery, c.decimals)) << c.values[0];
  }
}

// The columns are the instant window's, in percent of N; the population mean is its blue line;
// a sample adds a green dot per value, stacked where values meet, and a green line at its mean.
TEST(PopulationWindow, DrawsTheHistogramAndTheSampleOverIt) {
  std::vector<double> v(22, 20);
  std::iota(v.begin(), v.end() - 1, 0);  // 0 to 20, and 20 again
  RecordingPlatform platform;
  PopulationWindow w({platform, fixedMeasure, ',', {}, nullptr});
  w.show(populationOf(v), {}, "p.txt");
  const DrawingList plain = w.drawing(9300, 4560);
  std::vector<SnappedBox> bars = all<SnappedBox>(plain);
  bars.erase(std::remove_if(bars.begin(), bars.end(), [](const SnappedBox& b) { return !b.fill; }), bars.end());
  ASSERT_EQ(bars.size(), 21u);
  for (std::size_t i = 1; i < 20; ++i) EXPECT_FLOAT_EQ(bars[i].box.height, bars[0].box.height);
  EXPECT_FLOAT_EQ(bars[20].box.height, 2 * bars[0].box.height);
  const auto at = [&](double x) { return bars[0].box.left + x * bars[0].box.width; };  // class i starts at i
  const std::vector<GridLine> lines = all<GridLine>(plain);
  const auto isBlue = [](const GridLine& l) { return l.color == Color::rgb(0, 0, 255); };
  ASSERT_EQ(std::count_if(lines.begin(), lines.end(), isBlue), 1);
  const GridLine blue = *std::find_if(lines.begin(), lines.end(), isBlue);
  EXPECT_NEAR(blue.x1, at(std::accumulate(v.begin(), v.end(), 0.0) / v.size()), 1);
  EXPECT_TRUE(all<Dot>(plain).empty() && all<PlainLine>(plain).empty());

  std::vector<double> sample{2.5, 2.5, 17};
  sample.insert(sample.end(), 100, 9.0);  // more than the frame holds
  w.showSample(ShownSample{3, 100, sample, 7.3333335f});
  EXPECT_THAT(w.control("SampleLBL").text, ::testing::StartsWith("Amostra 3 de 100 (n = 103), média 7,333333"));
  const DrawingList marked = w.drawing(9300, 4560);
  const std::vector<Dot> dots = all<Dot>(marked);
  // The 100 nines make a stack of 9 dots of 12 values each, and so the two values at 2.5 are one.
  ASSERT_EQ(dots.size(), 11u);
  EXPECT_EQ(std::tuple(dots[0].x, dots[1].x, dots[2].x, dots[10].x), std::tuple(at(2.5), at(17), at(9), at(9)));
  EXPECT_EQ(std::pair(dots[3].y, dots[1].y), std::pair(dots[2].y - 2 * dots[2].radius, dots[0].y));  // one on the other
  // In the band under the histogram, whose frame has made room for it, under the caption that
  // says how many values a dot stands for.
  const std::vector<SnappedBox> boxes = all<SnappedBox>(marked);
  const Box frame = std::find_if(boxes.begin(), boxes.end(), [](const SnappedBox& b) { return !b.fill; })->box;
  const double base = frame.top + frame.height;
  for (const Dot& d : dots) EXPECT_GT(d.y - d.radius, base + 300);
  const std::vector<Text> texts = all<Text>(marked);
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const Text& t) { return t.text == "Amostra (n = 103): cada ponto, 12 valores"; }));
  const std::vector<PlainLine> mean = all<PlainLine>(marked);
  ASSERT_EQ(mean.size(), 1u);
  EXPECT_EQ(std::tuple(mean[0].color, mean[0].style), std::tuple(kSampleMeanColor, LineStyle::Dashed));
  EXPECT_NEAR(mean[0].from.x, at(7.3333335), 1);
  w.showSample(std::nullopt);
  EXPECT_THAT(w.control("SampleLBL").text, ::testing::StartsWith("Nenhuma média"));
}

// The step-by-step window's latest mean comes with its sample: the values the run drew for it,
// whose mean is Medias(r) itself; nothing before the first mean, nor in the instant window.
TEST(SimulationWindowSample, IsTheSampleBehindTheLatestMean) {
  const TempFolder folder;
  writeValues(folder / "populacao.txt", 800, 3, [](int i) { return std::fmod(i * 0.613, 7.0); });
  RecordingPlatform platform;
  for (const auto& [n, R, clicks] : {std::tuple{10, 100, 1}, {10, 100, 37}, {400, 150, 150}, {800, 100, 100}, {1, 1000, 999}}) {
    SimulationWindow w(WindowKind::StepByStep, {platform, fixedMeasure, '.', {folder / "populacao.txt", {}}, [] { return 9u; }});
    ASSERT_TRUE(w.Load(std::to_string(n), std::to_string(R)));
    EXPECT_FALSE(w.latestSample());
    w.simulateMany(clicks);
    const std::optional<ShownSample> s = w.latestSample();
    ASSERT_TRUE(s) << n << " " << clicks;
    EXPECT_EQ(std::tuple(s->number, s->of, s->values.size()), std::tuple(clicks, R, std::size_t(n)));
    EXPECT_EQ(bitCast<std::uint32_t>(s->mean), bitCast<std::uint32_t>(w.run().Medias[clicks]));
    EXPECT_FLOAT_EQ(float(std::accumulate(s->values.begin(), s->values.end(), 0.0) / n), s->mean);
  }
  SimulationWindow instant(WindowKind::Instant, {platform, fixedMeasure, '.', {folder / "populacao.txt", {}}, [] { return 9u; }});
  instant.Load("10", "100");
  instant.simulate();
  EXPECT_FALSE(instant.latestSample());
}

// "População…" on the configuration screen and both simulation windows, "Mostrar amostra" in
// the step-by-step one.
TEST(WindowMenu, ReachesThePopulation) {
  for (const auto& [menu, commands] : {std::pair{configurationMenu(), 1}, {simulationMenu(traitsOf(WindowKind::Instant)), 1}, {simulationMenu(traitsOf(WindowKind::StepByStep)), 2}}) {
    std::vector<std::string> found;
    for (const MenuEntry& e : menu)
      if (e.command == MenuCommand::ShowPopulation || e.command == MenuCommand::ShowSample) found.push_back(e.caption + " " + e.keys.at(0));
    const std::string names[] = {"População… Ctrl+P", "Mostrar amostra A"};
    EXPECT_EQ(found, std::vector<std::string>(names, names + commands));
  }
}

}  // namespace
