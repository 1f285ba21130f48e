// The simulation windows' logic and the configuration checks, with what students type (the same
// texts through varnesk-sim) and with the largest runs.
#include "support.h"

namespace {

struct SimulationWindows : ::testing::Test {
  void SetUp() override { writeValues(file, 2000, 1, halfSteps); }
  SimulationWindow open(WindowKind kind, const std::string& f = {}, char separator = '.') {
    return SimulationWindow(kind, {platform, fixedMeasure, separator, {f.empty() ? file : f, {}}, [] { return 5u; }});
  }
  TempFolder folder;
  std::string file = folder / "populacao.txt";
  RecordingPlatform platform;
};

enum Answer { OK,
              PT,
              TG,
              PR,
              RG,
              MX,
              MN };  // accepted, or the message
const std::string_view kMessages[] = {"", "Preencha o campo: Tamanho da Amostra!", "Tamanho da Amostra muito Grande",
                                      "Preencha o campo: Número de Repetições!", "Número de Repetições muito Grande",
                                      "Número de Repetições Máximo para Passo a Passo é 1000",
                                      "Número de Repetições Mínimo é 100!"};

std::vector<std::string> refusal(Answer a) {  // the message, and the focus on the box refused
  if (a == OK) return {};
  return {"message: " + std::string(kMessages[a]), a <= TG ? "focus: TamanhodaAmostraTXT" : "focus: NumeroRepeticoesTXT"};
}

TEST_F(SimulationWindows, EveryTextGetsItsMessageOrAWholeNumberOfSamples) {
  const struct {
    std::string text;
    Answer size, instant, step;  // as sample size; as repetitions before each window
    int samples;                 // means of an instant run with these repetitions, 0 if refused
  } cases[] = {{"", PT, PR, MN, 0}, {"12abc", OK, OK, MN, 12}, {"1e3", OK, OK, OK, 1000}, {"-5", PT, PR, MN, 0}, {"0.5", PT, PR, MN, 0}, {"1e309", TG, MX, MX, 0}, {"nan", PT, PR, MN, 0}, {"0x10", PT, PR, MN, 0}, {"\xEF\xBC\x91", PT, PR, MN, 0}, {" 1,5", OK, OK, MN, 1}, {"99.9", OK, OK, MN, 99}, {"100", OK, OK, OK, 100}, {"1000.5", OK, MX, MX, 1000}, {"5000", OK, MX, MX, 5000}, {"5000.9", OK, MX, MX, 0}, {"50000", OK, MX, MX, 0}, {"50001", TG, MX, MX, 0}, {std::string(999, '7'), TG, MX, MX, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE("\"" + c.text.substr(0, 20) + "\"");
    std::vector<std::vector<std::string>> events;
    std::vector<bool> opened;
    for (auto click : {instantClicked, stepByStepClicked})
      for (const auto& [n, r] : {std::pair{c.text, std::string("100")}, {"10", c.text}}) {
        RecordingPlatform p;
        opened.push_back(click(n, r, p) != WindowToOpen::None);
        events.push_back(texts(p));
      }
    EXPECT_EQ(events, (std::vector{refusal(c.size), refusal(c.instant), refusal(c.size), refusal(c.step)}));
    // More than 1000 repetitions is only a warning before the instant window.
    EXPECT_EQ(opened, (std::vector{c.size == OK, c.instant != PR, c.size == OK, c.step == OK}));

    SimulationWindow window = open(WindowKind::Instant);
    ASSERT_TRUE(window.Load("10", c.text));
    platform.take();
    window.simulate();
    const Answer own = c.samples ? OK : parseLeadingNumber(c.text) < 1 ? PR
                                                                       : RG;
    EXPECT_EQ(texts(platform), own ? refusal(own) : std::vector<std::string>({"busy", "idle"}));
    EXPECT_EQ(window.run().sortedMeans.ContagemOrdenadas, c.samples);
    EXPECT_EQ(window.control("MinimoLBL").text == "0", c.samples == 0);  // the design text stays

    const SimResult n = runSim({"-n", c.text, "-r", "5", "-p", file});
    EXPECT_EQ(n.status, c.size ? 2 : parseLeadingNumber(c.text) > 2000 ? 1
                                                                       : 0);
    if (c.size) {
      EXPECT_EQ(n.err, std::string(kMessages[c.size]) + "\n");
    }
    const SimResult r = runSim({"-n", "5", "-r", c.text, "-p", file, "--medias"});
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), c.samples);
    EXPECT_EQ(r.err, own ? std::string(kMessages[own]) + "\n" : "");
  }
}

TEST(Configuration, TheSampleSizeIsCheckedBeforeTheRepetitions) {
  for (auto click : {instantClicked, stepByStepClicked}) {
    RecordingPlatform p;
    EXPECT_EQ(click("", "", p), WindowToOpen::None);
    EXPECT_EQ(texts(p), refusal(PT));
  }
}

TEST_F(SimulationWindows, StepByStepAxisFitsTheFirst100Then500Then1000StoredMeans) {
  SimulationWindow w = open(WindowKind::StepByStep);
  ASSERT_TRUE(w.Load("3", "1000"));
  const auto expectedTop = [&](std::size_t stage) {  // the largest class, up to a multiple of 10
    std::vector<double> limits(kBoundarySlots);
    for (int j = 1; j <= w.scale().NumeroClasses; ++j) limits[j] = w.run().MenorMedia + (j - 1) * w.scale().AmplitudeClasse;
    std::vector<int> counts(kFrequencySlots);
    countMeans(std::span(&w.run().Medias[1], stage), limits, 2, w.scale().NumeroClasses, counts.data());
    long top = *std::max_element(counts.begin(), counts.end());
    while (top % 10) ++top;
    return std::to_string(top);
  };
  const auto shownTop = [&] {
    std::string top;
    for (const Label& l : w.chart().RotuloY) top = l.visible ? l.caption : top;
    return top;
  };
  EXPECT_EQ(shownTop(), expectedTop(100));
  w.simulateMany(102);
  EXPECT_EQ(shownTop(), expectedTop(500));
  w.simulateMany(400);
  EXPECT_EQ(shownTop(), expectedTop(1000));
  EXPECT_NE(expectedTop(100), expectedTop(1000));
}

TEST_F(SimulationWindows, ThePanelShowsEachStatisticInItsBoxWithTheRegionalSeparator) {
  SimulationWindow w = open(WindowKind::Instant, {}, ',');
  ASSERT_TRUE(w.Load("10", "500"));
  w.simulate();
  const Statistics e = CalcularEstatisticas(w.run().sortedMeans.values(), w.run().MediaGeral, MeanPrecision::Single, ',');
  const auto m = [&w](const char* name) { return w.control(name).text; };
  EXPECT_EQ(std::vector({m("MinimoLBL"), m("Q1LBL"), m("MedianaLBL"), m("Q3LBL"), m("MaximoLBL"), m("MediaLBL"), m("dpLBL")}),
            std::vector({e.minimum, e.q1, e.median, e.q3, e.maximum, e.mean, e.sd}));
  const auto value = [](std::string text) { return parseLeadingNumber(text.replace(text.find(','), 1, ".")); };
  EXPECT_LT(value(m("Q1LBL")), value(m("Q3LBL")));
  const std::string classes = w.classTable();  // one line per class, 0 to NumeroClasses, in percent
  EXPECT_EQ(std::count(classes.begin(), classes.end(), '\n'), w.scale().NumeroClasses + 1);
  EXPECT_NE(classes.find(" %\n"), std::string::npos);
  for (const Label& l : w.chart().RotuloX)
    if (l.visible) {
      EXPECT_NE(l.caption.find(','), std::string::npos) << l.caption;
    }
}

TEST_F(SimulationWindows, StepByStepReplaysTheRunToItsEnd) {
  for (const auto& [text, total, refitClicks] : {std::tuple{"100", 100, std::vector<int>{}},
                                                 {"999.5", 1000, {102, 502}},
                                                 {"300.5", 300, {102}}}) {
    SimulationWindow w = open(WindowKind::StepByStep);
    ASSERT_TRUE(w.Load("40", text));
    const auto m = [&w](const char* name) { return w.control(name); };
    const ChartModel& chart = w.chart();
    EXPECT_EQ(std::tuple(m("NumeroRepeticoesTXT").text, m("NumeroRepeticoesTXT").enabled, chart.surface.size()),
              std::tuple("0", false, 0u));
    const std::vector<float> run(&w.run().Medias[1], &w.run().Medias[1] + total);
    std::vector<int> refits;
    float sum = 0;
    for (int click = 1; click <= total; ++click) {
      ASSERT_TRUE(m("Command1").enabled) << click;
      const std::vector<SurfaceDot> before = chart.surface;  // a refit draws every dot again
      w.simulate();
      if (!std::equal(before.begin(), before.end(), chart.surface.begin())) refits.push_back(click);
      sum = static_cast<float>(sum + run[click - 1]);
      const double mean = double(sum) / click;
      ASSERT_EQ(std::tuple(m("NumeroRepeticoesTXT").text, chart.surface.size(), w.run().MediaGeral, m("MediaLBL").text),
                std::tuple(std::to_string(click), click, mean, formatFixed(mean, 3, '.')));
      if (click == 1) {
        EXPECT_EQ(m("Q1LBL").text, "-");
      }
    }
    EXPECT_EQ(refits, refitClicks) << text;
    w.simulate();  // a click past the end changes nothing
    EXPECT_EQ(std::pair(m("Command1").enabled, m("NumeroRepeticoesTXT").text), std::pair(false, std::to_string(total)));
    std::vector<float> sorted = run;
    std::stable_sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, std::vector(w.run().sortedMeans.values().begin(), w.run().sortedMeans.values().end()));
  }
}

TEST_F(SimulationWindows, ReopeningReadsTheFileAgainOrRefusesToOpen) {
  writeBytes(file, "1.0\n1.0\n");
  SimulationWindow w = open(WindowKind::StepByStep);
  ASSERT_TRUE(w.Load("1", "1000"));  // leaves means of another population beyond position 300
  w.simulate();
  writeBytes(file, "2.0\n2.0\n");
  ASSERT_TRUE(w.Load("1", "300"));
  EXPECT_EQ(w.control("dpLBL").text, "0");                  // the panel as designed, until the first click
  for (int click = 1; click <= 102; ++click) w.simulate();  // the refit counts only this run's means
  EXPECT_EQ(std::tuple(w.chart().RotuloY[5].caption, w.control("MediaLBL").text), std::tuple("300", "2.000"));
  // Refused with the message, and for a sample too large the focus on its box: no run.
  Population reader;
  for (const auto& [n, fileText, focus] : {std::tuple{"3", "2.0\n2.0\n", "TamanhodaAmostraTXT"}, {"1", "x", ""}}) {
    writeBytes(file, fileText);
    platform.take();
    EXPECT_FALSE(w.Load(n, "100"));
    const std::string message = *n == '3' ? *refuseSampleSize(3, w.population()) : LerPopulacao(file, reader).message;
    std::vector<std::string> expected{"message: " + message};
    if (*focus) expected.push_back("focus: " + std::string(focus));
    EXPECT_EQ(texts(platform), expected);
    EXPECT_EQ(w.population().Populacao[2] + w.population().TamanhoPopulacao, 4);  // the population stays
  }
}

TEST_F(SimulationWindows, InstantRunsCountEveryMeanOnceInsideTheFrame) {
  writeValues(folder / "exata.txt", 50000, 2, [](int i) { return (i - 1) % 97 * 0.05; });
  const std::string standard = VARNESK_DEFAULT_POPULATION;
  for (const auto& [f, n, R, spread] : {std::tuple{standard, "50000", "5000", 0.05}, {standard, "1", "5000", 1e9}, {folder / "exata.txt", "50000", "5000", 1e-5}, {file, "5", "1.5", 10.0}}) {
    SCOPED_TRACE(f + " " + n);
    SimulationWindow window = open(WindowKind::Instant, f);
    ASSERT_TRUE(window.Load(n, R));
    const Population& p = window.population();
    const double mean = std::accumulate(&p.Populacao[1], &p.Populacao[1] + p.TamanhoPopulacao, 0.0) / p.TamanhoPopulacao;
    window.simulate();
    const float first = window.run().Medias[1];
    window.simulate();  // another run, counted afresh
    if (spread > 1) {
      EXPECT_NE(first, window.run().Medias[1]);
    }
    const auto means = window.run().sortedMeans.values();
    ASSERT_EQ(means.size(), std::size_t(parseLeadingNumber(R)));
    EXPECT_LE(std::max(mean - means.front(), means.back() - mean), spread);
    const int classes = window.scale().NumeroClasses;
    EXPECT_NEAR(std::accumulate(&window.Frequencias()[0], &window.Frequencias()[classes + 1], 0.0), 100, 1e-9);
    const ChartModel& chart = window.chart();
    EXPECT_FALSE(chart.MediaLIN.visible);
    for (int i = 0; i <= classes; ++i) {
      EXPECT_GE(chart.Coluna[i].top, chart.Shape1.top - 0.5f) << i;
      EXPECT_NEAR(chart.Coluna[i].top + chart.Coluna[i].height, chart.bottom(), 0.5f) << i;
    }
  }
}

TEST_F(SimulationWindows, ASeedRedoesTheRunOfVarneskSimAndBatchesAreClicks) {
  const auto means = [](const SimulationWindow& w, int count) {
    std::string out;
    for (int i = 1; i <= count; ++i) out += formatSignificant(w.run().Medias[i], 9, '.') + "\n";
    return out;
  };
  SimulationWindow instant = open(WindowKind::Instant);
  ASSERT_TRUE(instant.Load("10", "50"));
  instant.simulate();
  instant.showNormalCurve(true);
  EXPECT_EQ(means(instant, 50), runSim({"-n", "10", "-r", "50", "-s", "5", "-p", file, "--medias"}).out);
  EXPECT_EQ(std::tuple(instant.seed(), instant.runNumber(), instant.chart().NormalCurve.empty()),
            std::tuple(5u, 1, false));
  EXPECT_NE(instant.meansCsv().find("Semente;5\r\nSimulação da semente;1\r\n\r\nOrdem;Média\r\n1;"),
            std::string::npos);
  RecordingPlatform other;
  SimulationWindow clicks = open(WindowKind::StepByStep), batches(WindowKind::StepByStep,
                                                                  {other, fixedMeasure, '.', {file, {}}, [] { return 5u; }});
  ASSERT_TRUE(clicks.Load("10", "300") && batches.Load("10", "300"));
  EXPECT_EQ(means(clicks, 300), runSim({"-n", "10", "-r", "300", "-s", "5", "-p", file, "--medias"}).out);
  for (int click = 0; click < 310; ++click) clicks.simulate();
  for (int batch : {100, 10, 100, 100}) batches.simulateMany(batch);
  EXPECT_EQ(std::tuple(batches.chart().surface, batches.tabulatedStatistics(), batches.control("Command1").enabled),
            std::tuple(clicks.chart().surface, clicks.tabulatedStatistics(), false));
}

// The strip under the panel: which population, the n and R the run really uses ("10.000" reads
// as 10 and says so), the standard error theory gives (none when the sample is the population).
TEST_F(SimulationWindows, TheStripSaysWhatTheRunUsesAndWhatTheoryExpects) {
  const auto S = WindowKind::StepByStep, I = WindowKind::Instant;
  const struct {
    WindowKind kind;
    char separator;
    std::string n, r, population, theory, progress;  // the progress after 10 means
  } cases[] = {{I, ',', "10.000", "1000", "População: populacao.txt (N = 2.000) · n = 10 · R = 1.000", "Erro padrão teórico: 0,910", ""},
               {I, '.', "1e3", "100.9", "População: populacao.txt (N = 2,000) · n = 1,000 · R = 100", "Erro padrão teórico: 0.064", ""},
               {S, ',', "10", "1000", "População: populacao.txt (N = 2.000) · n = 10 · R = 1.000", "Erro padrão teórico: 0,910", "Médias mostradas: 10 de 1.000"},
               {S, '.', "2000", "150.5", "População: populacao.txt (N = 2,000) · n = 2,000 · R = 150", "Erro padrão teórico: 0.000", "Médias mostradas: 10 de 150"}};
  for (const auto& c : cases) {
    SimulationWindow window = open(c.kind, file, c.separator);
    const auto m = [&window](const char* name) { return window.control(name).text; };
    ASSERT_TRUE(window.Load(c.n, c.r)) << c.population;
    EXPECT_EQ(std::tuple(m("PopulationLBL"), m("StandardErrorLBL")), std::tuple(c.population, c.theory));
    window.simulateMany(c.kind == S ? 10 : 1);
    EXPECT_EQ(std::tuple(m("PopulationLBL"), m("ProgressLBL")), std::tuple(c.population, c.progress));
  }
  // A name too long for the line keeps its start and its extension, cut between characters.
  EXPECT_EQ(populationLine("relatório_das_perdas_da_safra_2025_final.csv"), "População: relatório_da…25_final.csv");
  EXPECT_EQ(populationLine("relatório_perdas_2025.csv"), "População: relatório_perdas_2025.csv");  // 25: kept
}

// Read back through the axis's own labels, the step window's curve at each class centre is the
// number of means theory expects among those shown (means x class width x normal density), cut
// at the frame's top, also after the axis is refitted at 101 means.
TEST_F(SimulationWindows, TheStepWindowsCurveCountsTheMeansShown) {
  SimulationWindow window = open(WindowKind::StepByStep);
  ASSERT_TRUE(window.Load("10", "300"));
  window.showNormalCurve(true);
  EXPECT_TRUE(window.chart().NormalCurve.empty());  // no mean shown yet
  const double se = std::sqrt(8.3125 / 10 * 1990 / 1999), width = window.scale().AmplitudeClasse;
  for (int shown : {1, 100, 101, 300}) {
    window.simulateMany(shown - window.run().sortedMeans.ContagemOrdenadas);
    const ChartModel& chart = window.chart();
    const double perMean = (chart.LinhaGradeHorizontal[0].y1 - chart.LinhaGradeHorizontal[1].y1) / parseLeadingNumber(chart.RotuloY[1].caption);
    const int slots = window.scale().NumeroClasses + 1;
    ASSERT_EQ(chart.NormalCurve.size(), static_cast<std::size_t>(slots * 8 + 1));
    for (int c = 0; c < slots; ++c) {
      const Point& centre = chart.NormalCurve[static_cast<std::size_t>(c * 8 + 4)];
      const double z = (window.run().MenorMedia + (c + 0.5) * width - 5.25) / se;
      const double expected = shown * width * std::exp(-z * z / 2) / (se * std::sqrt(2 * std::numbers::pi));
      EXPECT_NEAR((chart.bottom() - centre.y) / perMean, std::min(expected, chart.Shape1.height / perMean), 0.001 * shown) << shown << " " << c;
    }
  }
}

}  // namespace
