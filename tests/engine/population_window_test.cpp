// The window "População": what it says of a population file, what it refuses and how, its
// histogram drawn by the simulation windows' chart code, and the sample behind a mean of the
// step-by-step window marked over it.
#include "support.h"

#include "chart/population_chart.h"
#include "engine/population_summary.h"
#include "engine/population_window.h"
#include "engine/window_menu.h"
#include "layout/window_layouts.h"

namespace {

const char* const kValues[] = {"CountLBL", "MeanLBL", "SdLBL", "MinimumLBL", "MaximumLBL", "SeparatorLBL", "DecimalMarkLBL", "HeaderLBL", "ColumnLBL"};

std::vector<std::string> values(const PopulationWindow& w) {
  std::vector<std::string> out;
  for (const char* name : kValues) out.push_back(w.caption(name));
  return out;
}

TEST(PopulationWindow, DescribesTheFileOrSaysWhyNotAndShowsNothingElse) {
  const TempFolder folder;
  const struct {
    std::string bytes, column;
    char separator;
    std::vector<std::string> shown;  // the value boxes; empty when refused
    std::string message;             // part of MessageLBL
  } cases[] = {
      {"1,5\n2\n0,25\n", "", ',', {"3", "1,25", "0,735980072", "0,25", "2", "nenhum (um valor por linha)", "vírgula", "não", "1"}, ""},
      {"taxa;turma\n1.5;A\n2;B\n0.25;C\n", "taxa", '.', {"3", "1.25", "0.735980072", "0.25", "2", "ponto e vírgula", "ponto", "sim", "1 (\"taxa\")"}, ""},
      {"1.5\nperda média\n", "", ',', {}, "na linha 2: \"perda média\""},
      {"taxa;turma\n1.5;A\n", "", '.', {}, "2 colunas (\"taxa\", \"turma\")"},
      {"", "", '.', {}, "populacao.txt"},
  };
  for (const auto& c : cases) {
    writeBytes(folder / "populacao.txt", c.bytes);
    PopulationWindow w(c.separator, fixedMeasure);
    // A population shown before, so that a refusal must take all of it away.
    w.show(populationOf({7, 8, 9}), {}, "antes.txt");
    const bool read = w.Load({folder / "populacao.txt", {c.column}});
    EXPECT_EQ(read, !c.shown.empty()) << c.bytes;
    EXPECT_EQ(w.caption("FileNameLBL"), "populacao.txt");
    if (read) {
      EXPECT_EQ(values(w), c.shown) << c.bytes;
      EXPECT_EQ(w.caption("MessageLBL"), "");
    } else {
      EXPECT_THAT(w.caption("MessageLBL"), ::testing::HasSubstr(c.message)) << c.bytes;
      EXPECT_EQ(values(w), std::vector<std::string>(std::size(kValues))) << c.bytes;
      EXPECT_EQ(w.chart(9300, 4560), DrawingList{Fill{Color::of(SystemColor::ButtonFace)}}) << c.bytes;
    }
  }
}

// Every value box and caption the logic fills is in the window's description, whose captions
// read as the command line's description does, so that the two never drift apart.
TEST(PopulationWindow, FillsTheLabelsItsLayoutHas) {
  PopulationWindow w('.', fixedMeasure);
  w.show(populationOf({1, 2}), {}, "x.txt");
  const WindowLayout& layout = populationLayout();
  for (const Label& l : w.labels()) EXPECT_NO_FATAL_FAILURE(layout.control(l.name)) << l.name;
  const std::vector<std::string> lines = describe(summarize(populationOf({1, 2})), {}, '.');
  for (std::size_t i = 0; i < std::size(kValues); ++i) {
    const std::string name = kValues[i];
    const std::string captionName = name.substr(0, name.size() - 3) + "CaptionLBL";
    EXPECT_EQ(layout.control(captionName).caption + " " + w.caption(name), lines[i]);
  }
}

std::vector<SnappedBox> columns(const DrawingList& drawing) {
  std::vector<SnappedBox> out;
  for (const auto& p : drawing)
    if (const auto* b = std::get_if<SnappedBox>(&p); b && b->fill) out.push_back(*b);
  return out;
}

template <class T>
std::vector<T> linesOf(const DrawingList& drawing, Color color) {
  std::vector<T> out;
  for (const auto& p : drawing)
    if (const auto* l = std::get_if<T>(&p); l && l->color == color) out.push_back(*l);
  return out;
}

TEST(PopulationHistogram, RoundClassesCoverTheRangeAndABoundaryGoesUp) {
  const struct {
    std::vector<double> values;
    double start, width;
    int last;
    std::vector<int> counts;  // the first classes
    int labelEvery, decimals;
  } cases[] = {
      {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, 0, 1, 20, {1, 1, 1, 1, 1}, 5, 0},
      {{3, 3, 3}, 3, 1, 0, {3}, 1, 0},
      {{-2.5, -2, 7.5}, -2.5, 0.5, 20, {1, 1, 0}, 5, 1},
      {{1000, 1200, 5000}, 1000, 200, 20, {1, 1, 0}, 5, 0},
      {{0.25, 1.5, 2}, 0.2, 0.1, 18, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, 2, 1},  // 1.5 on a boundary
      {{4.1, 4.37}, 4.1, 0.02, 13, {1, 0}, 2, 2},
  };
  for (const auto& c : cases) {
    const PopulationHistogram h = populationHistogram(c.values, 0);
    EXPECT_NEAR(h.start, c.start, 1e-9) << c.values[0];
    EXPECT_NEAR(h.scale.AmplitudeClasse, c.width, 1e-12) << c.values[0];
    EXPECT_EQ(h.scale.NumeroClasses, c.last) << c.values[0];
    EXPECT_EQ(std::vector<int>(h.counts.begin(), h.counts.begin() + c.counts.size()), c.counts) << c.values[0];
    EXPECT_EQ(h.counts.back(), std::count(c.values.begin(), c.values.end(), c.values.back())) << c.values[0];
    EXPECT_EQ(std::accumulate(h.counts.begin(), h.counts.end(), 0), int(c.values.size()));
    EXPECT_EQ(std::pair(h.labelEvery, h.labelDecimals), std::pair(c.labelEvery, c.decimals)) << c.values[0];
  }
}

// The columns are the instant window's, in percent of N; the population mean is its blue line;
// a sample adds a green dot per value, stacked where values meet, and a green line at its mean.
TEST(PopulationWindow, DrawsTheHistogramAndTheSampleOverIt) {
  std::vector<double> v;
  for (int i = 0; i <= 20; ++i) v.push_back(i);
  v.push_back(20);
  PopulationWindow w(',', fixedMeasure);
  w.show(populationOf(v), {}, "p.txt");
  const double mean = std::accumulate(v.begin(), v.end(), 0.0) / v.size();
  const DrawingList plain = w.chart(9300, 4560);
  const std::vector<SnappedBox> bars = columns(plain);
  ASSERT_EQ(bars.size(), 21u);
  for (std::size_t i = 1; i < 20; ++i) EXPECT_FLOAT_EQ(bars[i].box.height, bars[0].box.height);
  EXPECT_FLOAT_EQ(bars[20].box.height, 2 * bars[0].box.height);
  const auto at = [&](double x) { return bars[0].box.left + x * bars[0].box.width; };  // class i starts at i
  const auto blue = linesOf<GridLine>(plain, Color::rgb(0, 0, 255));
  ASSERT_EQ(blue.size(), 1u);
  EXPECT_NEAR(blue[0].x1, at(mean), 1);
  EXPECT_TRUE(linesOf<PlainLine>(plain, kSampleMeanColor).empty());

  std::vector<double> sample{2.5, 2.5, 17};
  sample.insert(sample.end(), 100, 9.0);  // more than the frame holds
  w.showSample(ShownSample{3, 100, sample, 7.3333335f});
  EXPECT_THAT(w.caption("SampleLBL"), ::testing::StartsWith("Amostra 3 de 100 (n = 103), média 7,333333"));
  const DrawingList marked = w.chart(9300, 4560);
  std::vector<Dot> dots;
  for (const auto& p : marked)
    if (const auto* d = std::get_if<Dot>(&p)) dots.push_back(*d);
  ASSERT_GE(dots.size(), 5u);
  EXPECT_EQ(std::tuple(dots[0].x, dots[1].x, dots[2].x), std::tuple(at(2.5), at(2.5), at(17)));
  EXPECT_EQ(dots[1].y, dots[0].y - 2 * dots[0].radius);  // on top of the first
  EXPECT_EQ(dots[2].y, dots[0].y);
  EXPECT_NEAR(dots[0].y + dots[0].radius, bars[0].box.top + bars[0].box.height, 1);  // on the base
  EXPECT_GE(dots.back().y - dots.back().radius, blue[0].y1);  // never above the frame
  const auto green = linesOf<PlainLine>(marked, kSampleMeanColor);
  ASSERT_EQ(green.size(), 1u);
  EXPECT_NEAR(green[0].from.x, at(7.3333335), 1);
  w.showSample(std::nullopt);
  EXPECT_THAT(w.caption("SampleLBL"), ::testing::StartsWith("Nenhuma média"));
}

// The step-by-step window's latest mean comes with its sample: the values the run drew for it,
// whose mean is Medias(r) itself; nothing before the first mean, nor in the instant window.
TEST(SimulationWindowSample, IsTheSampleBehindTheLatestMean) {
  const TempFolder folder;
  std::string content;
  for (int i = 1; i <= 800; ++i) content += formatFixed(std::fmod(i * 0.613, 7.0), 3, '.') + "\n";
  writeBytes(folder / "populacao.txt", content);
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
  ASSERT_TRUE(instant.Load("10", "100"));
  instant.simulate();
  EXPECT_FALSE(instant.latestSample());
}

// "População…" on the configuration screen and both simulation windows, "Mostrar amostra" in
// the step-by-step one; no key of a menu answers two entries.
TEST(WindowMenu, ReachesThePopulationWithKeysOfItsOwn) {
  const auto has = [](const std::vector<MenuEntry>& menu, MenuCommand c) {
    return std::count_if(menu.begin(), menu.end(), [c](const MenuEntry& e) { return e.command == c; });
  };
  const struct {
    std::vector<MenuEntry> menu;
    int sample;
  } menus[] = {{configurationMenu(), 0}, {simulationMenu(traitsOf(WindowKind::Instant)), 0}, {simulationMenu(traitsOf(WindowKind::StepByStep)), 1}};
  for (const auto& [menu, sample] : menus) {
    EXPECT_EQ(has(menu, MenuCommand::ShowPopulation), 1);
    EXPECT_EQ(has(menu, MenuCommand::ShowSample), sample);
    std::vector<std::string> keys;
    for (const MenuEntry& e : menu) keys.insert(keys.end(), e.keys.begin(), e.keys.end());
    std::sort(keys.begin(), keys.end());
    EXPECT_TRUE(std::adjacent_find(keys.begin(), keys.end()) == keys.end());
  }
}

}  // namespace
