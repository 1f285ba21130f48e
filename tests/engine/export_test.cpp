// What a teacher takes away from the windows: the captioned chart as an SVG, the comparison run
// size by size and cancelled, its table for a spreadsheet, and the reasons a save fails.
#include <cerrno>

#include "chart/svg_writer.h"
#include "common/save_failure.h"
#include "engine/captioned_picture.h"
#include "engine/comparison_csv.h"
#include "engine/comparison_run.h"
#include "engine/comparison_window.h"
#include "engine/simulation_window.h"
#include "support.h"

namespace {

int count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(SvgDocument, EachPrimitiveOnThePixelsThePaintersUse) {
  const Color red = Color::rgb(255, 0, 0);
  const Font bold{FontFamily::Arial, 9, true};
  // The region starts at (30, 45) twips: pixel (2, 3) is the picture's corner.
  for (const auto& [primitive, element] : std::vector<std::pair<DrawingPrimitive, std::string>>{
           {Fill{Color::of(SystemColor::ButtonFace)}, R"s(<rect x="0" y="0" width="100" height="50" fill="rgb(240,240,240)"/>)s"},
           // Ends to the nearest pixel (22 twips is 1.47 px: 1), the pen after its pixel, both ends in.
           {GridLine{22, 150, 322, 150, red, 1}, R"s(<rect x="-1" y="7" width="21" height="1" fill="rgb(255,0,0)"/>)s"},
           {GridLine{150, 150, 150, 450, red, 2}, R"s(<rect x="7" y="6" width="2" height="22" fill="rgb(255,0,0)"/>)s"},
           {GridLine{30, 45, 180, 195, red, 1}, R"s(<line x1="0.5" y1="0.5" x2="10.5" y2="10.5" stroke="rgb(255,0,0)" stroke-width="1"/>)s"},
           // A column of one mean: under two pixels high, drawn two high up from its bottom edge.
           {SnappedBox{{45, 300, 150, 7}, red, Color::of(SystemColor::WindowText), true},
            "<rect x=\"1\" y=\"15\" width=\"10\" height=\"2\" fill=\"rgb(255,0,0)\"/>\n"
            R"s(<rect x="1.5" y="15.5" width="9" height="1" fill="none" stroke="rgb(0,0,0)" stroke-width="1"/>)s"},
           {SnappedBox{{45, 300, 7, 150}, red, std::nullopt, false}, ""},  // under a pixel wide: nothing
           {PlainLine{{30, 60}, {75, 60}, red, 2}, R"s(<line x1="0" y1="1" x2="3" y2="1" stroke="rgb(255,0,0)" stroke-width="2"/>)s"},
           {Dot{60, 90, 45, red, Color::rgb(0, 0, 0)}, R"s(<circle cx="2" cy="3" r="3" fill="rgb(255,0,0)" stroke="rgb(0,0,0)" stroke-width="1" shape-rendering="auto"/>)s"},
           {Curve{{{30, 45}, {40, 50}}, red, 2}, R"s(<polyline points="0,0 0.667,0.333" fill="none" stroke="rgb(255,0,0)" stroke-width="2" stroke-linejoin="round" shape-rendering="auto"/>)s"},
           {Text{"a < b & \"c\"", 30, 45, 300, 150, bold, red, std::nullopt, Alignment::Right, VerticalAlignment::Middle},
            R"s(<text x="20" y="5" dominant-baseline="central" text-anchor="end" font-family="'Liberation Sans', Arial, sans-serif" font-size="12" font-weight="bold" fill="rgb(255,0,0)" xml:space="preserve">a &lt; b &amp; &quot;c&quot;</text>)s"},
           {Text{"Média", 30, 45, 300, 150, kDefaultFont, Color::of(SystemColor::WindowText), Color::rgb(1, 2, 3), Alignment::Left, VerticalAlignment::Top},
            "<rect x=\"0\" y=\"0\" width=\"20\" height=\"10\" fill=\"rgb(1,2,3)\"/>\n"
            R"s(<text x="0" y="0" dominant-baseline="text-before-edge" text-anchor="start" font-family="'MS Sans Serif', 'DejaVu Sans Condensed', 'DejaVu Sans', sans-serif" font-size="11" font-stretch="condensed" fill="rgb(0,0,0)" xml:space="preserve">Média</text>)s"}}) {
    const std::string svg = svgDocument({primitive}, Box{30, 45, 1500, 750});
    const std::string head =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" "
        "width=\"100\" height=\"50\" viewBox=\"0 0 100 50\" shape-rendering=\"crispEdges\">\n";
    EXPECT_EQ(svg, head + element + (element.empty() ? "" : "\n") + "</svg>\n");
  }
}

struct Exports : ::testing::Test {
  void SetUp() override { writeValues(file, 2000, 1, halfSteps); }
  SimulationWindow open(WindowKind kind) {
    return SimulationWindow(kind, {platform, fixedMeasure, ',', {file, {}}, [] { return 5u; }});
  }
  TempFolder folder;
  std::string file = folder / "turma.txt";
  RecordingPlatform platform;
};

TEST_F(Exports, TheSavedChartCarriesItsCaptionAndNothingBeforeARun) {
  SimulationWindow instant = open(WindowKind::Instant), step = open(WindowKind::StepByStep);
  ASSERT_TRUE(instant.Load("10", "50") && step.Load("10", "100"));
  EXPECT_FALSE(hasChartToSave(instant) || hasChartToSave(step));
  instant.simulate();
  step.simulateMany(37);
  ASSERT_TRUE(hasChartToSave(instant) && hasChartToSave(step));
  const auto panel = [&](const char* name) { return instant.control(name).text; };
  const std::string statistics = "Mínimo " + panel("MinimoLBL") + " · Q1 " + panel("Q1LBL") + " · Mediana " + panel("MedianaLBL") + " · Q3 " +
                                 panel("Q3LBL") + " · Máximo " + panel("MaximoLBL") + " · Média " + panel("MediaLBL") + " · dp " + panel("dpLBL");
  for (const auto& [window, first] : std::vector<std::pair<const SimulationWindow*, std::string>>{
           {&instant, "População: turma.txt (N = 2.000) · n = 10 · R = 50 · " + instant.seedLine()},
           {&step, "População: turma.txt (N = 2.000) · n = 10 · R = 100 (37 mostradas) · " + step.seedLine()}}) {
    const std::vector<std::string> lines = captionLines(window->chartCaption());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], first);
    // The picture grows by the caption's two lines; the SVG holds them as text, after the chart.
    const CaptionedPicture picture = captionedPicture(*window);
    const std::string svg = chartSvg(*window);
    EXPECT_EQ(svg, svgDocument(picture.drawing, picture.region));
    EXPECT_NE(svg.find(">" + lines[0] + "</text>\n<text"), std::string::npos);
    EXPECT_NE(svg.find(">" + lines[1] + "</text>\n</svg>\n"), std::string::npos);
  }
  EXPECT_EQ(captionLines(instant.chartCaption())[1], statistics);
  // The instant window's columns are rectangles, the step-by-step window's means dots: one each.
  EXPECT_EQ(count(chartSvg(step), "<circle"), 37);
}

TEST(SaveFailure, EachReasonInTheTeachersWords) {
  for (const auto& [errorNumber, why, words] : std::vector<std::tuple<int, SaveFailure, std::string>>{
           {EACCES, SaveFailure::NoPermission, " Não há permissão para gravar nessa pasta."},
           {EROFS, SaveFailure::NoPermission, " Não há permissão para gravar nessa pasta."},
           {ENOSPC, SaveFailure::DiskFull, " O disco está cheio."},
           {ENOENT, SaveFailure::FolderMissing, " A pasta não existe."},
           {EIO, SaveFailure::Other, ""}}) {
    EXPECT_EQ(saveFailureOf(errorNumber), why) << errorNumber;
    EXPECT_EQ(saveFailureMessage("/aula/g.png", why), "Não foi possível salvar o arquivo \"/aula/g.png\"." + words +
                                                          " Nada foi perdido: um arquivo que já existia continua como estava.");
  }
}

struct Comparisons : ::testing::Test {
  void SetUp() override { writeValues(file, 1000, 1, unevenHalves); }
  ComparisonWindow open() {
    return ComparisonWindow({platform, nullptr, ',', {file, {}}, [] { return 7u; }});
  }
  TempFolder folder;
  std::string file = folder / "populacao.txt";
  RecordingPlatform platform;
};

TEST_F(Comparisons, SizeBySizeGivesTheUninterruptedResultsAndCancellingChangesNothing) {
  ComparisonWindow whole = open(), stepwise = open();
  for (ComparisonWindow* w : {&whole, &stepwise}) w->SampleSizesTXT.text = "10, 100, 1000", w->RepetitionsTXT.text = "1234";
  EXPECT_EQ(stepwise.resultsCsv(), "");
  // The progress bar once no run goes: empty before the first, full after a run done, hidden
  // after one stopped (beside a table that is not its own), empty again as the next one starts.
  const auto bar = [](const ComparisonWindow& w) {
    const ControlState state = w.control("ComparisonProgress");
    return std::pair(state.text, state.visible);
  };
  std::vector<std::pair<std::string, bool>> bars{bar(stepwise)};
  whole.compare();
  std::unique_ptr<ComparisonRun> run = stepwise.start();
  ASSERT_TRUE(run);
  std::vector<std::size_t> progress;
  for (; !run->done(); run->runNext()) progress.push_back(run->completed());
  run->runNext();  // once done, nothing more
  // Steps of 500, 500 and 234 samples per size.
  EXPECT_EQ(std::tuple(progress, run->completed(), run->total()), std::tuple(std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6, 7, 8}, 9u, 9u));
  stepwise.finish(*run);
  bars.push_back(bar(stepwise));
  EXPECT_EQ(std::tuple(stepwise.controls(), stepwise.drawing(9000, 6000), stepwise.resultsCsv()),
            std::tuple(whole.controls(), whole.drawing(9000, 6000), whole.resultsCsv()));
  // Stopped after one step: neither dropped nor half-shown runs change the table or the chart.
  for (ComparisonWindow* w : {&whole, &stepwise}) w->SampleSizesTXT.text = "20, 200";
  std::unique_ptr<ComparisonRun> stopped = stepwise.start();
  stopped->runNext();
  stepwise.finish(*stopped);
  bars.push_back(bar(stepwise));
  const auto shown = [](const ComparisonWindow& w) {
    ControlStates states = w.controls();
    std::erase_if(states, [](const ControlState& c) { return c.name == "ComparisonProgress"; });
    return std::tuple(states, w.drawing(9000, 6000));
  };
  EXPECT_EQ(shown(stepwise), shown(whole));
  // A cancelled comparison took its seed, as a click does: the next one takes the seed after it.
  whole.compare();
  whole.compare();
  std::unique_ptr<ComparisonRun> next = stepwise.start();
  bars.push_back(bar(stepwise));
  EXPECT_EQ(bars, (std::vector<std::pair<std::string, bool>>{{"0", true}, {"100", true}, {"0", false}, {"0", true}}));
  while (!next->done()) next->runNext();
  stepwise.finish(*next);
  EXPECT_EQ(stepwise.controls(), whole.controls());
  EXPECT_EQ(texts(platform), (std::vector<std::string>{"busy", "idle", "busy", "idle", "busy", "idle"}));
}

TEST_F(Comparisons, TheTableForASpreadsheetLikeTheMeans) {
  ComparisonWindow window = open();
  window.SampleSizesTXT.text = "10, 1000";
  window.RepetitionsTXT.text = "200";
  window.compare();
  const auto rows = rowsOf(window, "ResultsTable");
  const std::string csv = window.resultsCsv();
  EXPECT_EQ(csv,
            "\xEF\xBB\xBF"
            "Arquivo da população;" +
                file + "\r\nTamanho da população (N);1000\r\nNúmero de repetições (R);200\r\n" +
                "Semente;7\r\nSimulação da semente;1\r\n\r\n" +
                "n;Média das médias;dp das médias;Erro padrão σ/√n;Erro padrão corrigido;Razão dp / corrigido\r\n" +
                "10;" + rows[0][1] + ";" + rows[0][2] + ";" + rows[0][3] + ";" + rows[0][4] + ";" + rows[0][5] + "\r\n" +
                "1000;" + rows[1][1] + ";0,0000;" + rows[1][3] + ";0,0000;-\r\n");
  EXPECT_EQ(comparisonCsv({"a;b.txt", 3, std::nullopt, "1;0", 9, 2}, "x\ty", {}),
            "\xEF\xBB\xBF"
            "Arquivo da população;\"a;b.txt\"\r\nTamanho da população (N);3\r\n"
            "Número de repetições (R);\"1;0\"\r\nSemente;9\r\nSimulação da semente;2\r\n\r\nx;y\r\n");
}

}  // namespace
