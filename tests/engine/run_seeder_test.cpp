// Where a window's runs come from: seeds already handed out in class replay the same means, the
// seeds the program picks are short and name their run alone, a seed typed in the window shows
// the run varnesk-sim gives for it, and the playback stops where the clicks stop.
#include "support.h"

#include <set>

#include "engine/run_seeder.h"

namespace {

using Picker = std::function<std::uint64_t()>;

SimulationWindow window(RecordingPlatform& platform, WindowKind kind, Picker seed, Picker pick = nullptr) {
  return SimulationWindow(kind, {platform, fixedMeasure, '.', {VARNESK_POPULACAO_PADRAO, {}}, std::move(seed), std::move(pick)});
}

std::string firstMeans(const SimulationWindow& w, int count = 3) {
  std::string out;
  for (int i = 1; i <= count; ++i) out += formatSignificant(w.run().Medias[i], 9, '.') + " ";
  return out;
}

// The default population, n 10, R 3: what this program gave for these seeds and runs before seeds
// were shortened; a class may hold any of them.
const struct Recorded {
  std::uint64_t seed;
  int run;
  const char* means;
} kRecorded[] = {
    {42, 1, "2.19799995 1.95899999 1.91799998 "},
    {42, 2, "1.40499997 2.11999989 2.09100008 "},
    {42, 3, "1.67299998 1.71300006 2.23000002 "},
    {1234567890123456789u, 1, "1.98399997 1.57200003 2.48699999 "},
    {1234567890123456789u, 2, "1.87399995 2.21300006 2.04999995 "},
    {1234567890123456789u, 3, "1.96599996 2.44400001 2.41199994 "},
    {999999, 2, "1.79499996 2.09100008 1.72599995 "},
    {999999, 3, "2.0940001 1.46700001 0.887000024 "},
    {18446744073709551615u, 1, "1.77900004 2.43099999 1.78600001 "},
    {0, 1, "1.85800004 1.38900006 1.46599996 "},
};

TEST(RunSeeds, SeedsHandedOutBeforeStillReplayTheirRuns) {
  for (const Recorded& r : kRecorded) {
    SCOPED_TRACE(std::to_string(r.seed) + " run " + std::to_string(r.run));
    RecordingPlatform platform;
    SimulationWindow given = window(platform, WindowKind::Instant, [s = r.seed] { return s; });
    ASSERT_TRUE(given.Load("10", "3"));
    for (int k = 0; k < r.run; ++k) given.simulate();
    EXPECT_EQ(firstMeans(given), r.means);
    EXPECT_EQ(std::pair(given.seed(), given.runNumber()), std::pair(r.seed, r.run));
    // The same run through the dialog: its seed, then the clicks after the first.
    SimulationWindow typed = window(platform, WindowKind::Instant, nullptr);
    ASSERT_TRUE(typed.Load("10", "3"));
    typed.simulate();
    ASSERT_TRUE(typed.setSeed(std::to_string(r.seed)));
    for (int k = 1; k < r.run; ++k) typed.simulate();
    EXPECT_EQ(firstMeans(typed), r.means);
  }
}

TEST(RunSeeds, PickedSeedsAreShortAndNameTheirRunAlone) {
  RecordingPlatform platform;
  std::vector<std::uint64_t> picks{271828, 314159};
  SimulationWindow picked = window(platform, WindowKind::Instant, nullptr, [&picks] {
    const std::uint64_t next = picks.front();
    picks.erase(picks.begin());
    return next;
  });
  ASSERT_TRUE(picked.Load("10", "3"));
  EXPECT_EQ(picked.seedLine(), "Semente: nenhuma simulação ainda");
  for (const std::uint64_t seed : {271828u, 314159u}) {
    picked.simulate();
    SimulationWindow replay = window(platform, WindowKind::Instant, [seed] { return std::uint64_t{seed}; });
    ASSERT_TRUE(replay.Load("10", "3"));
    replay.simulate();
    EXPECT_EQ(std::tuple(picked.seed(), picked.runNumber(), picked.seedLine(), firstMeans(picked)),
              std::tuple(std::uint64_t{seed}, 1, "Semente " + std::to_string(seed), firstMeans(replay)));
  }
  // Left to the clock, every seed has six digits, and two windows rarely share one.
  std::set<std::uint64_t> seen;
  for (int i = 0; i < 200; ++i) {
    const std::uint64_t s = shortSeed();
    EXPECT_TRUE(s >= 100000 && s <= 999999) << s;
    seen.insert(s);
  }
  EXPECT_GT(seen.size(), 190u);
}

TEST(RunSeeds, TheSeedLineTellsWhatReplaysTheRun) {
  RecordingPlatform platform;
  SimulationWindow w = window(platform, WindowKind::Instant, [] { return std::uint64_t{5}; });
  ASSERT_TRUE(w.Load("10", "3"));
  std::vector<std::string> lines{w.seedLine()};
  for (int k = 0; k < 2; ++k) {
    w.simulate();
    lines.push_back(w.seedLine());
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"Semente 5 · nenhuma simulação ainda", "Semente 5", "Semente 5 · simulação 2"}));
  EXPECT_NE(w.meansCsv().find("Semente;5\r\nSimulação da semente;2\r\n"), std::string::npos);
}

TEST(RunSeeds, OnlyAWholeSixtyFourBitNumberIsTakenAsASeed) {
  for (const auto& [text, taken] : std::vector<std::pair<std::string, bool>>{
           {"482913", true}, {"  482913 ", true}, {"18446744073709551615", true}, {"0", true}, {"", false}, {"   ", false}, {"-1", false}, {"+5", false}, {"1e3", false}, {"48 29", false}, {"18446744073709551616", false}, {"4829a", false}, {"4,5", false}}) {
    RecordingPlatform platform;
    SimulationWindow w = window(platform, WindowKind::Instant, [] { return std::uint64_t{5}; });
    ASSERT_TRUE(w.Load("10", "3"));
    w.simulate();
    platform.events.clear();
    const std::string before = firstMeans(w);
    EXPECT_EQ(w.setSeed(text), taken) << '"' << text << '"';
    if (taken) continue;
    EXPECT_EQ(platform.events, std::vector<std::string>{"message: " + std::string(messages::kBadSeedInWindow)});
    EXPECT_EQ(std::tuple(w.seed(), w.runNumber(), firstMeans(w)), std::tuple(5u, 1, before));
  }
}

TEST(RunSeeds, ATypedSeedStartsTheStepByStepWindowOverOnThatRun) {
  RecordingPlatform platform;
  SimulationWindow fresh = window(platform, WindowKind::StepByStep, [] { return std::uint64_t{777}; });
  SimulationWindow used = window(platform, WindowKind::StepByStep, nullptr);
  ASSERT_TRUE(fresh.Load("10", "150") && used.Load("10", "150"));
  used.simulateMany(150);  // to the end, past both refits of its axis
  ASSERT_FALSE(used.model().Command1.enabled);
  ASSERT_TRUE(used.setSeed("777"));
  const auto shown = [](const SimulationWindow& w) {
    const WindowModel& m = w.model();
    return std::tuple(m.NumeroRepeticoesTXT.text, m.Command1.enabled, m.PlayButton.enabled, m.chart.surface.size(),
                      w.tabulatedStatistics(), firstMeans(w, 150), w.seedLine());
  };
  EXPECT_EQ(shown(used), shown(fresh));
  for (int click = 0; click < 120; ++click) {
    used.simulate();
    fresh.simulate();
  }
  EXPECT_EQ(shown(used), shown(fresh));
  EXPECT_EQ(used.model().chart.surface, fresh.model().chart.surface);
}

TEST(Playback, PlaysOnlyWhileThereAreMeansLeftAndStopsAtTheEnd) {
  RecordingPlatform platform;
  SimulationWindow step = window(platform, WindowKind::StepByStep, [] { return std::uint64_t{3}; });
  SimulationWindow instant = window(platform, WindowKind::Instant, [] { return std::uint64_t{3}; });
  ASSERT_TRUE(step.Load("10", "100") && instant.Load("10", "100"));
  const auto state = [](const SimulationWindow& w) {
    return std::tuple(w.model().playing, w.model().playCaption, w.model().PlayButton.enabled);
  };
  instant.playPause();
  EXPECT_FALSE(instant.model().playing);
  EXPECT_EQ(state(step), std::tuple(false, "Reproduzir", true));
  step.playPause();
  EXPECT_EQ(state(step), std::tuple(true, "Pausar", true));
  step.simulateMany(99);  // as the clock would, tick after tick
  EXPECT_EQ(state(step), std::tuple(true, "Pausar", true));
  step.simulate();  // the last mean
  EXPECT_EQ(state(step), std::tuple(false, "Reproduzir", false));
  step.playPause();  // nothing left to play
  EXPECT_EQ(state(step), std::tuple(false, "Reproduzir", false));
}

}  // namespace
