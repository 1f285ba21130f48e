// Where a window's runs come from: seeds handed out in class replay the same means, the seeds the
// program picks are short and name their run alone, a typed seed shows the run varnesk-sim gives.
#include "support.h"

#include "engine/run_seeder.h"
#include "engine/standard_error.h"

namespace {

using Seed = std::function<std::uint64_t()>;
SimulationWindow window(RecordingPlatform& p, WindowKind kind, Seed seed, Seed pick = nullptr) {
  return SimulationWindow(kind, {p, fixedMeasure, '.', {VARNESK_DEFAULT_POPULATION, {}}, std::move(seed), std::move(pick)});
}
std::string firstMeans(const SimulationWindow& w, int count = 3) {
  std::string out;
  for (int i = 1; i <= count; ++i) out += formatSignificant(w.run().Medias[i], 9, '.') + " ";
  return out;
}

TEST(RunSeeds, SeedsHandedOutBeforeStillReplayTheirRunsInTheWindowAndThroughItsDialog) {
  // The default population, n 10, R 3: what earlier versions showed for these seeds and runs.
  for (const auto& [seed, run, means] : std::vector<std::tuple<std::uint64_t, int, std::string>>{
           {42, 2, "1.40499997 2.11999989 2.09100008 "}, {1234567890123456789u, 1, "1.98399997 1.57200003 2.48699999 "}, {1234567890123456789u, 3, "1.96599996 2.44400001 2.41199994 "}, {999999, 3, "2.0940001 1.46700001 0.887000024 "}, {18446744073709551615u, 1, "1.77900004 2.43099999 1.78600001 "}}) {
    RecordingPlatform p;
    SimulationWindow given = window(p, WindowKind::Instant, [s = seed] { return s; }), typed = window(p, WindowKind::Instant, nullptr);
    ASSERT_TRUE(given.Load("10", "3") && typed.Load("10", "3"));
    typed.simulate();
    ASSERT_TRUE(typed.setSeed(std::to_string(seed)));
    for (int k = 1; k < run; ++k) typed.simulate(), given.simulate();
    given.simulate();
    EXPECT_EQ(std::tuple(firstMeans(given), firstMeans(typed), given.seed(), typed.runNumber()), std::tuple(means, means, seed, run));
  }
}

TEST(RunSeeds, PickedSeedsNameTheirRunAloneAndTheLineSaysHowToReplayIt) {
  RecordingPlatform p;
  std::vector<std::uint64_t> picks{314159, 271828};
  SimulationWindow picked = window(p, WindowKind::Instant, nullptr, [&picks] { const auto s = picks.back(); picks.pop_back(); return s; });
  SimulationWindow given = window(p, WindowKind::Instant, [] { return std::uint64_t{271828}; });
  ASSERT_TRUE(picked.Load("10", "3") && given.Load("10", "3"));
  std::vector<std::string> lines{picked.seedLine(), given.seedLine()};
  for (int k = 0; k < 2; ++k) {
    picked.simulate(), given.simulate();
    lines.insert(lines.end(), {picked.seedLine(), given.seedLine()});
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"Semente: nenhuma simulação ainda", "Semente 271828 · nenhuma simulação ainda", "Semente 271828", "Semente 271828", "Semente 314159", "Semente 271828 · simulação 2"}));
  EXPECT_NE(given.meansCsv().find("Semente;271828\r\nSimulação da semente;2\r\n"), std::string::npos);
  // Only a whole 64-bit number is a seed; anything else is refused with its message.
  for (const auto& [text, taken] : std::vector<std::pair<std::string, bool>>{{"  482913 ", true}, {"0", true}, {"", false}, {"-1", false}, {"+5", false}, {"1e3", false}, {"48 29", false}, {"18446744073709551616", false}, {"4,5", false}}) {
    p.take();
    const bool took = picked.setSeed(text);
    const auto said = texts(p);
    const auto shown = static_cast<int>(std::count(said.begin(), said.end(), "message: " + std::string(messages::kBadSeedInWindow)));
    EXPECT_EQ(std::pair(took, shown), std::pair(taken, taken ? 0 : 1)) << '"' << text << '"';
  }
  EXPECT_EQ(picked.seed(), 0u);  // the last seed taken
}

TEST(RunSeeds, ATypedSeedStartsTheStepWindowOverOnThatRunAndPlaybackStopsAtTheEnd) {
  RecordingPlatform p;
  SimulationWindow fresh = window(p, WindowKind::StepByStep, [] { return std::uint64_t{777}; }), used = window(p, WindowKind::StepByStep, nullptr);
  ASSERT_TRUE(fresh.Load("10", "150") && used.Load("10", "150"));
  used.playPause();
  used.simulateMany(150);  // to the end, past the refit of its axis: the playback stops there
  EXPECT_EQ(std::tuple(used.playing(), used.control("PlayButton").text, used.control("PlayButton").enabled), std::tuple(false, "Reproduzir", false));
  ASSERT_TRUE(used.setSeed("777"));
  for (int click = 0; click < 120; ++click) used.simulate(), fresh.simulate();
  EXPECT_EQ(std::tuple(used.chart().surface, used.tabulatedStatistics(), firstMeans(used, 150), used.control("NumeroRepeticoesTXT").text),
            std::tuple(fresh.chart().surface, fresh.tabulatedStatistics(), firstMeans(fresh, 150), "120"));
}

// "Reiniciar" draws the step window's run anew from the next run of its seeds, and the strip's
// seed line names it: a given seed's next run, or a new seed of the window's own.
TEST(RunSeeds, RestartTakesTheNextRunOfTheSeedsAndTheStripNamesIt) {
  RecordingPlatform p;
  std::vector<std::uint64_t> picks{222222, 111111};
  SimulationWindow given = window(p, WindowKind::StepByStep, [] { return std::uint64_t{42}; });
  SimulationWindow picked = window(p, WindowKind::StepByStep, nullptr, [&picks] { const auto s = picks.back(); picks.pop_back(); return s; });
  SimulationWindow second = window(p, WindowKind::StepByStep, nullptr);
  ASSERT_TRUE(given.Load("10", "30") && picked.Load("10", "30") && second.Load("10", "30") && second.setSeed("42"));
  second.simulateMany(30);
  given.simulateMany(12);
  given.playPause();
  given.restart(), picked.restart();
  EXPECT_EQ(std::tuple(given.control("SeedLBL").text, picked.control("SeedLBL").text, given.control("NumeroRepeticoesTXT").text, given.playing()),
            std::tuple("Semente 42 · simulação 2", "Semente 222222", "0", false));
  given.simulateMany(30);
  EXPECT_NE(firstMeans(given, 30), firstMeans(second, 30));  // run 2 of 42, not run 1 again
  EXPECT_EQ(std::tuple(given.seed(), given.runNumber()), std::tuple(42u, 2));
  for (const auto& [seed, run, picked, line] : std::vector<std::tuple<std::uint64_t, int, bool, std::string>>{
           {0, 0, true, "Semente: nenhuma simulação ainda"}, {7, 0, false, "Semente 7 · nenhuma simulação ainda"}, {7, 1, false, "Semente 7"}, {7, 3, false, "Semente 7 · simulação 3"}})
    EXPECT_EQ(seedLine(seed, run, picked), line);
}

// The instant window's line at μ: off at first, then over the histogram where μ falls.
TEST(PopulationMeanLine, TheInstantWindowDrawsItAtTheTrueMeanOnlyWhenAsked) {
  RecordingPlatform p;
  SimulationWindow w = window(p, WindowKind::Instant, [] { return std::uint64_t{5}; });
  ASSERT_TRUE(w.Load("100", "500"));
  w.simulate();
  EXPECT_FALSE(w.chart().MediaLIN.visible);
  w.showPopulationMean(true);
  const Line& line = w.chart().MediaLIN;
  const Scale& s = w.scale();
  const Rect& frame = w.chart().Shape1;
  const double mu = w.population().TamanhoPopulacao ? standardError(w.population(), 100).mean : 0;
  const double at = w.run().MenorMedia + (line.x1 - frame.left) / (frame.width / (s.NumeroClasses + 1)) * s.AmplitudeClasse;
  EXPECT_TRUE(line.visible);
  EXPECT_NEAR(at, mu, 1e-4);
  w.simulate();  // stays shown over the next run
  EXPECT_TRUE(w.chart().MediaLIN.visible);
  w.showPopulationMean(false);
  EXPECT_FALSE(w.chart().MediaLIN.visible);
}

}  // namespace
