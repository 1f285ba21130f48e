// The precision lesson: each size's spread of means beside the standard error of theory, in
// varnesk-sim --comparar and in the comparison window's histograms and the normal curve.
#include "apoio.h"

namespace {

TEST(CompararTamanhos, SpreadOfTheMeansBesideTheStandardErrorOfTheory) {
  Population p = populationOf({});
  for (int i = 1; i <= (p.TamanhoPopulacao = 1000); ++i) p.Populacao[i] = i % 7 * 0.5 + i % 3;
  double mu = 0, squares = 0;  // the plain reference: divisor N, then the correction
  for (int i = 1; i <= 1000; ++i) mu += p.Populacao[i] / 1000;
  for (int i = 1; i <= 1000; ++i) squares += (p.Populacao[i] - mu) * (p.Populacao[i] - mu);
  const auto rows = compareSampleSizes(p, std::vector{10, 500, 1000}, 5000, 3);
  for (const ComparisonRow& row : rows) {
    const double ep = std::sqrt(squares / 1000 / row.n);
    EXPECT_NEAR(row.teoria.ep, ep, 1e-12);
    EXPECT_NEAR(row.teoria.epCorrigido, ep * std::sqrt((1000.0 - row.n) / 999), 1e-12);
    if (row.n < 1000) { EXPECT_NEAR(row.razao(), 1, 0.05) << row.n; }  // a loose bound at R 5000
  }
  EXPECT_TRUE(rows[2].dp == 0 && rows[2].teoria.epCorrigido == 0 && std::isnan(rows[2].razao()));
  // A row holds the means of a single run of its size from the same seed.
  SamplingRun single;
  GerarAmostras(p, 500, 5000, 3, MeanPrecision::Single, single);
  EXPECT_TRUE(std::ranges::equal(rows[1].medias, std::vector(single.Medias.begin() + 1, single.Medias.end())));
  for (const auto& [text, error] : std::vector<std::pair<std::string, std::string>>{
           {"10, 100 1000", ""}, {"", "Informe ao menos"}, {"10,,100", "inválido: \"\""}, {"0", "inválido"},
           {"50001", "inválido"}, {"10.5", "inválido: \"10.5\""}, {"1,2,3,4,5,6,7,8,9", "no máximo 8"}}) {
    const std::string got = parseSampleSizes(text).erro;
    EXPECT_TRUE(error.empty() ? got.empty() : got.find(error) != std::string::npos) << text << ": " << got;
  }
  const TempFolder folder;  // varnesk-sim prints the table, "-" for n = N
  const std::string five = folder / "cinco.txt";
  writeBytes(five, "1\n2\n3\n4\n5\n");
  EXPECT_EQ(runSim({"--comparar", "5", "-r", "3", "-p", five}).out,
            "n\tmedia\tdp\tep\tep_fpc\trazao\n5\t3\t0\t0.632456\t0\t-\n");
  for (const char* bad : {"2,6", "2,x"}) EXPECT_EQ(runSim({"--comparar", bad, "-r", "3", "-p", five}).status, 2);
}

TEST(SharedHistograms, OneFixedAxisForEverySize) {
  const std::vector<std::vector<float>> series{{1.0f, 3.0f, 2.9f}, {2.0f}};
  const SharedHistograms h = sharedHistograms(series, 2.0, 4);  // classes of 0.5 from 1.0
  EXPECT_EQ(std::tuple(h.inicio, h.largura, h.contagens),
            std::tuple(1.0, 0.5, std::vector<std::vector<int>>{{1, 0, 0, 2}, {0, 0, 1, 0}}));
  EXPECT_EQ(axisMarks(0.93, 2.07, 3), (std::vector{1.0, 1.5, 2.0}));
}

TEST(NormalCurve, PercentOfTheMeansPerClassOnTheHistogramsAxis) {
  WindowModel m = initialModel(WindowKind::Instant);
  ChartState state;
  state.escala = EscolherEscala(1, 3, kInstantChart);  // 20 classes of 0.1 from 1.0
  state.MenorMedia = 1;
  state.EscalaY = 100;  // twips per percentage point
  const std::vector<Point> curve = normalCurve(m.chart, state, 2.0, 0.2);
  ASSERT_EQ(curve.size(), 21u * 8 + 1);
  const Point peak = curve[80];  // 2.0 is ten classes in: on the left edge of slot 10
  EXPECT_NEAR(peak.x, 1080 + 10 * 9270.0f / 21, 0.01);
  EXPECT_NEAR(peak.y, 6315 - 100 * 100 * 0.1 / (0.2 * std::sqrt(2 * std::numbers::pi)), 0.05);
  EXPECT_FLOAT_EQ(normalCurve(m.chart, state, 2.0, 0.002)[80].y, 990);  // cut at the frame's top
  EXPECT_TRUE(normalCurve(m.chart, state, 2.0, 0).empty());
}

TEST(Exportacao, MeansForAPortugueseSpreadsheetAndStatisticsForTheClipboard) {
  EXPECT_EQ(meansCsv({"C:\\a;b.txt", 578000, "1000", "100", 42, 1}, std::vector{2.5f, 0.1f}),
            "\xEF\xBB\xBF" "Arquivo da população;\"C:\\a;b.txt\"\r\nTamanho da população (N);578000\r\n"
            "Tamanho da amostra (n);1000\r\nNúmero de repetições (R);100\r\nSemente;42\r\n"
            "Simulação da janela;1\r\n\r\nOrdem;Média\r\n1;2,5\r\n2;0,100000001\r\n");
  WindowModel m = initialModel(WindowKind::Instant);
  m.dpLBL.caption = "0,443";
  EXPECT_EQ(tabulatedStatistics(m), "Mínimo\tQ1\tMediana\tQ3\tMáximo\tMédia\tdp\n0\t0\t0\t0\t0\t0\t0,443\n");
}

}  // namespace
