// The largest runs the instant window allows, end to end through the window logic, so that
// the sanitizer build watches every array at its limits: 5000 samples of 50000 values from the
// full 578000-value population, and a sample that is the whole population. (The longest
// step-by-step run, 1000 clicks, is in the window scenarios.)
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <numeric>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "engine/population.h"
#include "engine/sampling_run.h"
#include "engine/simulation_window.h"
#include "support/recording_platform.h"
#include "temp_folder.h"

namespace varnesk {
namespace {

using testing::RecordingPlatform;
namespace fs = std::filesystem;

const fs::path kPopulacaoPadrao = VARNESK_POPULACAO_PADRAO;

double populationMean(const fs::path& file) {
  Population p;
  const LeituraPopulacao r = LerPopulacao(file, p);
  EXPECT_TRUE(r.ok) << r.mensagem;
  return r.soma / p.TamanhoPopulacao;
}

TEST(LargestRuns, InstantWindowAtEveryLimit) {
  testing::TempFolder folder;
  const fs::path exact = folder.path() / "cinquenta_mil.txt";
  std::string content;
  for (int i = 0; i < 50000; ++i) content += formatGeneral((i % 97) * 0.05, '.') + "\n";
  testing::writeBytes(exact, content);

  const struct {
    const char* name;
    fs::path file;
    const char* n;
    double spread;  // every mean lies this close to the population mean
  } runs[] = {
      {"50000 of 578000", kPopulacaoPadrao, "50000", 0.05},  // 8 standard deviations of a mean
      {"50000 of 50000", exact, "50000", 1e-5},              // each sample is the whole population
      {"1 of 578000", kPopulacaoPadrao, "1", 1e9},
  };
  for (const auto& run : runs) {
    SCOPED_TRACE(run.name);
    const double mean = populationMean(run.file);
    RecordingPlatform platform;
    JanelaSimulacao janela(TipoJanela::Instantanea,
                           {platform, testing::fixedMeasure, ',', run.file, [] { return 2024u; }});
    ASSERT_TRUE(janela.Load(run.n, "5000"));
    janela.Simular();
    EXPECT_EQ(platform.events, (std::vector<std::string>{"busy", "idle"}));

    const Corrida& c = janela.corrida();
    const auto means = c.ordenadas.valores();
    ASSERT_EQ(means.size(), 5000u);
    EXPECT_TRUE(std::is_sorted(means.begin(), means.end()));
    EXPECT_LE(std::fabs(means.front() - mean), run.spread);
    EXPECT_LE(std::fabs(means.back() - mean), run.spread);
    EXPECT_LE(c.MenorMedia, means.front());
    EXPECT_GT(c.MaiorMedia, means.back());

    // Every mean is counted once: the columns' percentages add up to 100.
    const std::int16_t classes = janela.escala().NumeroClasses;
    const auto& f = janela.frequencias();
    EXPECT_NEAR(std::accumulate(f.begin(), f.begin() + classes + 1, 0.0), 100.0, 1e-9);
    const ChartModel& chart = janela.modelo().chart;
    for (int i = 0; i <= classes; ++i) {
      const Rect& column = chart.Coluna[static_cast<std::size_t>(i)];
      EXPECT_GE(column.top, chart.Shape1.top - 0.5f) << "column " << i;
      EXPECT_NEAR(column.top + column.height, chart.bottom(), 0.5f) << "column " << i;
    }
  }
}

}  // namespace
}  // namespace varnesk
