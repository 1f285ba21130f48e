// The largest runs the windows allow, end to end through the window logic, so that the
// sanitizer build watches every array at its limits: 5000 samples of 50000 values from the
// full 578000-value population, a sample that is the whole population, and 1000 clicks of the
// step-by-step window.
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

TEST(LargestRuns, StepByStepWindowThroughAThousandClicks) {
  RecordingPlatform platform;
  JanelaSimulacao janela(TipoJanela::PassoAPasso,
                         {platform, testing::fixedMeasure, '.', kPopulacaoPadrao, [] { return 77u; }});
  ASSERT_TRUE(janela.Load("50000", "1000"));
  const Corrida& c = janela.corrida();
  std::vector<float> drawn(c.Medias.begin() + 1, c.Medias.begin() + 1001);

  for (int click = 1; click <= 1000; ++click) {
    ASSERT_TRUE(janela.modelo().Command1.enabled) << "click " << click;
    janela.Simular();
    ASSERT_EQ(c.ordenadas.ContagemOrdenadas, click);
    // One dot per mean shown, also right after the axis is refitted.
    ASSERT_EQ(platform.circles.size(), static_cast<std::size_t>(click));
  }
  EXPECT_FALSE(janela.modelo().Command1.enabled);
  EXPECT_EQ(janela.modelo().NumeroRepeticoesTXT.text, "1000");
  EXPECT_TRUE(platform.messages.empty());

  std::sort(drawn.begin(), drawn.end());
  const auto sorted = c.ordenadas.valores();
  EXPECT_TRUE(std::equal(drawn.begin(), drawn.end(), sorted.begin(), sorted.end()));

  const Rect& frame = janela.modelo().chart.Shape1;
  for (const auto& dot : platform.circles) {
    EXPECT_GE(dot.x, frame.left);
    EXPECT_LE(dot.x, frame.left + frame.width);
    // The 101st and 501st means are drawn on the axis fitted to the earlier means, one dot
    // above its top at most, until the next click refits it.
    EXPECT_GE(dot.y, frame.top - 2 * dot.radius);
    EXPECT_LE(dot.y, frame.top + frame.height);
    EXPECT_GT(dot.radius, 0.0f);
  }

  // A click past the end, should one reach the logic, adds nothing.
  janela.Simular();
  EXPECT_EQ(c.ordenadas.ContagemOrdenadas, 1000);
  EXPECT_EQ(platform.circles.size(), 1000u);
}

}  // namespace
}  // namespace varnesk
