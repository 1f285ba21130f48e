#include "engine/simulation_window.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/population.h"
#include "engine/sampling_run.h"
#include "support/recording_platform.h"

namespace varnesk {
namespace {

using testing::RecordingPlatform;

class Janela : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("varnesk_janela_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::create_directories(dir_);
    std::ofstream out(file());
    for (int i = 0; i < 20000; ++i) out << (i % 97) * 0.05 << '\n';
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path file() const { return dir_ / "populacao.txt"; }

  JanelaSimulacao open(TipoJanela tipo, std::uint64_t seed = 5) {
    return JanelaSimulacao(tipo, {platform, testing::fixedMeasure, '.', file(), [seed] { return seed; }});
  }
  RecordingPlatform platform;
  std::filesystem::path dir_;
};

TEST_F(Janela, TwoClicksGiveTwoDifferentRuns) {
  JanelaSimulacao w = open(TipoJanela::Instantanea);
  ASSERT_TRUE(w.Load("5", "1000"));
  w.Simular();
  const std::vector<float> first(w.corrida().Medias.begin() + 1, w.corrida().Medias.begin() + 1001);
  const auto firstCounts = w.frequencias();
  w.Simular();
  const std::vector<float> second(w.corrida().Medias.begin() + 1, w.corrida().Medias.begin() + 1001);
  EXPECT_NE(first, second);
  EXPECT_NE(firstCounts, w.frequencias());
}

TEST_F(Janela, FractionalRepetitionsCountTheMeansProduced) {
  JanelaSimulacao w = open(TipoJanela::Instantanea);
  ASSERT_TRUE(w.Load("5", "1.5"));
  w.Simular();
  EXPECT_EQ(w.corrida().ordenadas.ContagemOrdenadas, 1);
  const auto& f = w.frequencias();
  EXPECT_EQ(*std::max_element(f.begin(), f.end()), 100);  // one mean is 100 %, not 66.7 %
  EXPECT_EQ(w.modelo().Q1LBL.caption, "-");
  EXPECT_EQ(w.modelo().MinimoLBL.caption, w.modelo().MaximoLBL.caption);
}

TEST_F(Janela, WindowDoesNotOpenWithoutAUsablePopulation) {
  JanelaSimulacao tooLarge = open(TipoJanela::PassoAPasso);
  EXPECT_FALSE(tooLarge.Load("20001", "100"));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find("20000 valores"), std::string::npos);

  std::filesystem::remove(file());
  JanelaSimulacao missing = open(TipoJanela::Instantanea);
  EXPECT_FALSE(missing.Load("10", "100"));
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_NE(platform.messages[1].find(file().string()), std::string::npos);
}

struct StepCase {
  const char* repetitions;
  int total;
  std::vector<int> refitClicks;
};

TEST_F(Janela, StepByStepToTheEnd) {
  const StepCase cases[] = {{"100", 100, {}}, {"1000", 1000, {102, 502}}, {"999.5", 1000, {102, 502}},
                            {"300", 300, {102}}};
  for (const auto& c : cases) {
    JanelaSimulacao w = open(TipoJanela::PassoAPasso, 17);
    ASSERT_TRUE(w.Load("40", c.repetitions));
    const WindowModel& m = w.modelo();
    EXPECT_EQ(m.NumeroRepeticoesTXT.text, "0");
    EXPECT_FALSE(m.NumeroRepeticoesTXT.enabled);
    EXPECT_TRUE(platform.circles.empty());
    EXPECT_TRUE(m.chart.MediaLIN.visible);
    const std::vector<float> run(w.corrida().Medias.begin() + 1, w.corrida().Medias.begin() + 1 + c.total);

    std::vector<int> refits;
    for (int click = 1; click <= c.total; ++click) {
      ASSERT_TRUE(m.Command1.enabled) << click;
      const int clearsBefore = platform.clears;
      w.Simular();
      if (platform.clears != clearsBefore) refits.push_back(click);
      EXPECT_EQ(m.NumeroRepeticoesTXT.text, std::to_string(click));
      EXPECT_EQ(platform.circles.size(), static_cast<std::size_t>(click));  // one dot per mean shown
      if (click == 1) {
        EXPECT_EQ(w.corrida().MediaGeral, static_cast<double>(run[0]));
        EXPECT_EQ(m.Q1LBL.caption, "-");
      }
    }
    EXPECT_EQ(refits, c.refitClicks) << c.repetitions;
    EXPECT_FALSE(m.Command1.enabled);
    w.Simular();  // a click past the end changes nothing
    EXPECT_EQ(m.NumeroRepeticoesTXT.text, std::to_string(c.total));

    std::vector<float> sorted = run;
    std::stable_sort(sorted.begin(), sorted.end());
    const auto list = w.corrida().ordenadas.valores();
    EXPECT_TRUE(std::equal(sorted.begin(), sorted.end(), list.begin(), list.end())) << c.repetitions;
    platform.circles.clear();
  }
}

TEST_F(Janela, RefitCountsOnlyTheRunsOwnMeans) {
  // A longer earlier run leaves means of another population beyond position 300; the refit at
  // 101 shown must not count them.
  { std::ofstream(file()) << std::string("1.0\n").append(std::string("1.0\n")).append("1.0\n"); }
  JanelaSimulacao w = open(TipoJanela::PassoAPasso);
  ASSERT_TRUE(w.Load("1", "1000"));
  { std::ofstream(file()) << "2.0\n2.0\n2.0\n"; }
  ASSERT_TRUE(w.Load("1", "300"));
  for (int click = 1; click <= 102; ++click) w.Simular();
  // All 300 means (2.0) fall in one class: a top of 300, dots 5325 / 300 / 2 twips.
  EXPECT_FLOAT_EQ(w.raioPonto(), 5325.0f / 300 / 2);
  EXPECT_EQ(w.modelo().chart.RotuloY[5].caption, "300");
}

TEST_F(Janela, ReopeningReadsTheFileAgainAndResetsTheControls) {
  JanelaSimulacao w = open(TipoJanela::PassoAPasso);
  ASSERT_TRUE(w.Load("10", "100"));
  for (int click = 1; click <= 100; ++click) w.Simular();
  ASSERT_FALSE(w.modelo().Command1.enabled);
  { std::ofstream(file()) << "3.0\n3.0\n3.0\n3.0\n3.0\n3.0\n3.0\n3.0\n3.0\n3.0\n"; }
  ASSERT_TRUE(w.Load("10", "100"));
  EXPECT_TRUE(w.modelo().Command1.enabled);
  EXPECT_EQ(w.populacao().TamanhoPopulacao, 10);
  w.Simular();
  EXPECT_EQ(w.modelo().MediaLBL.caption, "3.000");
}

}  // namespace
}  // namespace varnesk
