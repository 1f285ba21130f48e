// The precision lesson: each size's spread of means beside the standard error of theory, the
// comparison window's checks, table and histograms, and the normal curve.
#include "chart/comparison_chart.h"
#include "engine/comparison_window.h"
#include "engine/run_seeder.h"
#include "layout/window_layouts.h"
#include "support.h"

namespace {

TEST(CompareSampleSizes, SpreadOfTheMeansBesideTheStandardErrorOfTheory) {
  Population p = populationOf({});
  for (int i = 1; i <= (p.TamanhoPopulacao = 1000); ++i) p.Populacao[i] = i % 7 * 0.5 + i % 3;
  double mu = 0, squares = 0;  // the plain reference: divisor N, then the correction
  for (int i = 1; i <= 1000; ++i) mu += p.Populacao[i] / 1000;
  for (int i = 1; i <= 1000; ++i) squares += (p.Populacao[i] - mu) * (p.Populacao[i] - mu);
  const auto rows = compareSampleSizes(p, std::vector{10, 500, 1000}, 5000, 3);
  for (const ComparisonRow& row : rows) {
    const double se = std::sqrt(squares / 1000 / row.n);
    EXPECT_NEAR(row.theory.se, se, 1e-12);
    EXPECT_NEAR(row.theory.correctedSe, se * std::sqrt((1000.0 - row.n) / 999), 1e-12);
    if (row.n < 1000) {
      EXPECT_NEAR(row.ratio(), 1, 0.05) << row.n;
    }  // a loose bound at R 5000
  }
  EXPECT_TRUE(rows[2].sd == 0 && rows[2].theory.correctedSe == 0 && std::isnan(rows[2].ratio()));
  // A row holds the means of a single run of its size from the same seed.
  SamplingRun single;
  GerarAmostras(p, 500, 5000, 3, MeanPrecision::Single, single);
  EXPECT_EQ(rows[1].means, std::vector(single.Medias.begin() + 1, single.Medias.end()));
  for (const auto& [text, error] : std::vector<std::pair<std::string, std::string>>{
           {"10, 100 1000", ""}, {"", "Informe ao menos"}, {"10,,100", "inválido: \"\""}, {"0", "inválido"}, {"50001", "inválido"}, {"10.5", "inválido: \"10.5\""}, {"1,2,3,4,5,6,7,8,9", "no máximo 8"}}) {
    const std::string got = parseSampleSizes(text).error;
    EXPECT_TRUE(error.empty() ? got.empty() : got.find(error) != std::string::npos) << text << ": " << got;
  }
}

TEST(SharedHistograms, OneFixedAxisForEverySize) {
  const std::vector<std::vector<float>> series{{1.0f, 3.0f, 2.9f}, {2.0f}};
  const SharedHistograms h = sharedHistograms(series, 2.0, 4);  // classes of 0.5 from 1.0
  EXPECT_EQ(std::tuple(h.start, h.width, h.counts),
            std::tuple(1.0, 0.5, std::vector<std::vector<int>>{{1, 0, 0, 2}, {0, 0, 1, 0}}));
  // Marks of 1, 2 or 5 times a power of ten, as the chart writes them; zero never reads "-0".
  for (const auto& [lowest, highest, howMany, marks] : std::vector<std::tuple<double, double, int, std::string>>{
           {0.93, 2.07, 3, "1 1.5 2"}, {-0.3, 0.45, 4, "-0.2 0 0.2 0.4"}, {-0.3, 0.3, 1, "0"}, {1.9, 2.1, 8, "1.9 1.92 1.94 1.96 1.98 2 2.02 2.04 2.06 2.08 2.1"}, {1200, 5800, 5, "2000 3000 4000 5000"}}) {
    std::string got;
    for (double m : axisMarks(lowest, highest, howMany)) got += (got.empty() ? "" : " ") + formatSignificant(m, 6, '.');
    EXPECT_EQ(got, marks) << lowest << " to " << highest;
  }
}

TEST(ComparisonChart, ABarPerClassOnItsBandsBaseAndTheMeanLineAtTheMean) {
  // Classes of 0.5 from 1 to 3; 600 x 436 pixels: a plot 490 wide from x = 90, bands of 200, the axis at 402.
  const SharedHistograms h{1.0, 0.5, {{1, 0, 0, 2}, {0, 0, 1, 0}}};
  const DrawingList list = comparisonChart(std::vector{10, 100}, h, 2.0, 600 * 15, 436 * 15, ',');
  std::vector<std::array<double, 4>> bars;  // left, right, top, bottom in pixels
  std::vector<double> bases;
  std::vector<std::string> texts;
  for (const DrawingPrimitive& p : list) {
    if (const auto* b = std::get_if<PlainBox>(&p)) bars.push_back({b->left / 15, (b->left + b->width) / 15, b->top / 15, (b->top + b->height) / 15});
    if (const auto* l = std::get_if<PlainLine>(&p); l && l->color == kInactiveCaption) bases.push_back(l->from.y / 15);
    if (const auto* t = std::get_if<Text>(&p)) texts.push_back(t->text);
  }
  EXPECT_EQ(bases, (std::vector{196.0, 396.0}));
  // Each histogram fills its band: the tallest class 12 pixels short of it, a class of half its count half as high.
  EXPECT_EQ(bars, (std::vector<std::array<double, 4>>{{90, 212.5, 102, 196}, {457.5, 580, 8, 196}, {335, 457.5, 208, 396}}));
  EXPECT_EQ(texts, (std::vector<std::string>{"n = 10", "n = 100", "1", "1,2", "1,4", "1,6", "1,8", "2", "2,2", "2,4", "2,6", "2,8", "3"}));
  // White beneath everything, the population mean's line over everything.
  EXPECT_EQ(std::pair(list.front(), list.back()),
            std::pair(DrawingPrimitive(Fill{Color::rgb(255, 255, 255)}),
                      DrawingPrimitive(PlainLine{{335 * 15, 0}, {335 * 15, 402 * 15}, Color::rgb(0, 0, 255), 2})));
  EXPECT_EQ(comparisonChart({}, {}, 0, 9000, 6000, '.'), DrawingList{Fill{Color::rgb(255, 255, 255)}});
}

TEST(ComparisonWindow, TheFirstRefusalShowsItsMessageAndFocusesTheBoxToCorrect) {
  const TempFolder folder;
  const std::string file = folder / "populacao.txt", missing = folder / "nada.txt";
  writeValues(file, 1000, 1, unevenHalves);
  const std::string list = "Tamanho de amostra inválido: \"x\". Use números inteiros de 1 a 50000, separados por vírgulas.";
  const std::string unreadable = "Não foi possível abrir o arquivo da população \"" + missing + "\". Verifique se ele existe e pode ser lido.";
  const std::string larger = "Tamanho da Amostra maior que a população: n = 2000, mas a população tem 1000 valores e cada amostra sorteia valores distintos. Use um tamanho de até 1000.";
  const auto refused = [](const std::string& message, const char* box) { return std::vector<std::string>{"message: " + message, std::string("focus: ") + box}; };
  // A bad list wins over bad repetitions, bad repetitions over an unreadable population, that over a size too large.
  for (const auto& [sizes, repetitions, population, events] : std::vector<std::tuple<std::string, std::string, std::string, std::vector<std::string>>>{
           {"10, x", "0", missing, refused(list, "SampleSizesTXT")},
           {"10, 2000", "0", missing, refused("Preencha o campo: Número de Repetições!", "RepetitionsTXT")},
           {"10, 2000", "5001", file, refused("Número de Repetições muito Grande", "RepetitionsTXT")},
           {"10, 2000", "10", missing, refused(unreadable, "SampleSizesTXT")},
           {"10, 2000", "10", file, refused(larger, "SampleSizesTXT")},
           {"10, 1000", "10", file, {"busy", "idle"}}}) {
    RecordingPlatform platform;
    ComparisonWindow window({platform, nullptr, ',', {population, {}}, [] { return 7u; }});
    window.SampleSizesTXT.text = sizes;
    window.RepetitionsTXT.text = repetitions;
    window.compare();
    EXPECT_EQ(std::pair(texts(platform), rowsOf(window, "ResultsTable").size()), std::pair(events, std::size_t{events[0] == "busy" ? 2u : 0u})) << sizes;
  }
  // The window's generator is seeded once: each click takes its next run, as varnesk-sim -s takes its first.
  RecordingPlatform platform;
  ComparisonWindow window({platform, nullptr, ',', {file, {}}, [] { return 7u; }});
  window.SampleSizesTXT.text = "10, 100, 1000";
  window.compare();
  const auto first = rowsOf(window, "ResultsTable");
  Population p;
  ASSERT_TRUE(LerPopulacao(file, p).ok);
  RunSeeder generator(7);
  const ComparisonCells cells = comparisonCells(compareSampleSizes(p, std::vector{100}, 1000, generator.nextRunSeed())[0], ',');
  EXPECT_EQ(first[1], std::vector<std::string>(cells.begin(), cells.end()));
  window.compare();
  EXPECT_NE(rowsOf(window, "ResultsTable"), first);
  const DrawingList chart = window.drawing(9000, 6000);
  window.SampleSizesTXT.text = "";
  window.compare();  // refused: the table and the chart stay
  EXPECT_EQ(std::pair(rowsOf(window, "ResultsTable").size(), window.drawing(9000, 6000)), std::pair(std::size_t{3}, chart));
}

TEST(ComparisonLayout, EveryControlInsideTheWindowNoneOverAnother) {
  const WindowLayout& w = comparisonLayout();
  const auto inside = [](const Box& a, const Box& b) {  // a within b
    return a.left >= b.left && a.top >= b.top && a.left + a.width <= b.left + b.width && a.top + a.height <= b.top + b.height;
  };
  const auto apart = [](const Box& a, const Box& b) {
    return a.left + a.width <= b.left || b.left + b.width <= a.left || a.top + a.height <= b.top || b.top + b.height <= a.top;
  };
  for (const ControlLayout& a : w.controls) {
    EXPECT_TRUE(inside(a.box, {0, 0, w.clientWidth, w.clientHeight})) << a.name;
    for (const ControlLayout& b : w.controls) EXPECT_TRUE(&a == &b || apart(a.box, b.box)) << a.name << " " << b.name;
  }
}

TEST(ComparisonCells, EveryColumnWithItsOwnFixedDecimalsSoRightAlignedDigitsLineUp) {
  const auto cells = [](std::int32_t n, double mean, double sd, double se, double correctedSe) {
    ComparisonRow row{n, mean, sd, {0, 0, se, correctedSe}, {}};
    return comparisonCells(row, ',');
  };
  for (const auto& [got, expected] : std::vector<std::pair<ComparisonCells, ComparisonCells>>{
           {cells(10, 2.03125, 0.4480125, 0.25, 0.125), {"10", "2,0313", "0,4480", "0,2500", "0,1250", "3,584"}},
           {cells(5, 3, std::nan(""), 0.6324555, 0), {"5", "3,0000", "-", "0,6325", "0,0000", "-"}},
           {cells(10000, 12.5, 0.00004, 0.00005, 0.00004), {"10000", "12,5000", "0,0000", "0,0001", "0,0000", "1,000"}}}) {
    EXPECT_EQ(got, expected);
    // The same number of digits after the comma throughout each column.
    for (std::size_t i = 1; i < got.size(); ++i)
      if (got[i] != "-") {
        EXPECT_EQ(got[i].size() - got[i].find(','), kComparisonDecimals[i] + 1u) << got[i];
      }
  }
}

TEST(NormalCurve, PercentOfTheMeansPerClassOnTheHistogramsAxis) {
  const ChartModel chart = initialChart(simulationLayout(WindowKind::Instant));
  ChartState state;
  state.scale = EscolherEscala(1, 3, kInstantChart);  // 20 classes of 0.1 from 1.0
  state.EscalaY = 100;                                // twips per percentage point
  const std::vector<Point> curve = normalCurve(chart, state, 1, 2.0, 0.2, 100);
  ASSERT_EQ(curve.size(), 21u * 8 + 1);
  const Point peak = curve[80];  // 2.0 is ten classes in: on the left edge of slot 10
  EXPECT_NEAR(peak.x, 1080 + 10 * 9270.0f / 21, 0.01);
  EXPECT_NEAR(peak.y, 6315 - 100 * 100 * 0.1 / (0.2 * std::sqrt(2 * std::numbers::pi)), 0.05);
  EXPECT_FLOAT_EQ(normalCurve(chart, state, 1, 2.0, 0.002, 100)[80].y, 990);  // cut at the frame's top
  EXPECT_TRUE(normalCurve(chart, state, 1, 2.0, 0, 100).empty());
}

TEST(Export, MeansForAPortugueseSpreadsheetAndStatisticsForTheClipboard) {
  EXPECT_EQ(meansCsv({"C:\\a;b.txt", 578000, "1000", "100", 42, 1}, std::vector{2.5f, 0.1f}),
            "\xEF\xBB\xBF"
            "Arquivo da população;\"C:\\a;b.txt\"\r\nTamanho da população (N);578000\r\n"
            "Tamanho da amostra (n);1000\r\nNúmero de repetições (R);100\r\nSemente;42\r\n"
            "Simulação da semente;1\r\n\r\nOrdem;Média\r\n1;2,5\r\n2;0,1\r\n");
  EXPECT_EQ(tabulatedStatistics({"0", "0", "0", "0", "0", "0", "0,443"}), "Mínimo\tQ1\tMediana\tQ3\tMáximo\tMédia\tdp\n0\t0\t0\t0\t0\t0\t0,443\n");
}

}  // namespace
