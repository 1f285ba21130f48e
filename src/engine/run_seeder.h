#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace varnesk {

// A seed typed by the teacher (varnesk --semente, varnesk-sim -s, the window's "Definir
// semente…"): the whole text must be a 64-bit unsigned whole number, without sign or
// wrap-around.
bool parseSeed(std::string_view text, std::uint64_t& seed);

// A fresh 64-bit number from the clock, mixed with the system's entropy so that two windows
// opened in the same tick still differ.
std::uint64_t clockSeed();

// A seed the program picks for a run: six digits, never starting with 0, so that a teacher can
// say it aloud and a class can type it.
inline constexpr std::uint64_t kSmallestShortSeed = 100000, kLargestShortSeed = 999999;
std::uint64_t shortSeed();

// The line that names what a window shows, so that a run seen on the projector can be redone:
// "Semente 271828", "Semente 271828 · simulação 2" from the second run of a given seed on; before
// the first run, "Semente: nenhuma simulação ainda", or with a given seed "Semente 271828 ·
// nenhuma simulação ainda". `picked`: the window picks a seed of its own for every run.
std::string seedLine(std::uint64_t seed, int run, bool picked);

}  // namespace varnesk

#include <pcg_random.hpp>

namespace varnesk {

// Where the runs of a window come from. A seed S names a sequence of runs: run k takes the k-th
// number of a generator seeded with S, so `varnesk-sim -s S` is run 1 and `--simulacao k` run k.
// A window given a seed (by the teacher) takes runs 1, 2, 3 ... of it; a window left to choose
// picks a short seed of its own for every run and takes run 1 of it, so that each run is named by
// one short number.
class RunSeeder {
 public:
  explicit RunSeeder(std::uint64_t seed) : rng_(seed), seed_(seed) {}
  // Every run from a seed that `pick` chooses for it.
  explicit RunSeeder(std::function<std::uint64_t()> pick) : pick_(std::move(pick)) {}

  std::uint64_t nextRunSeed() {
    if (pick_) {
      seed_ = pick_();
      rng_ = pcg64(seed_);
      runCount_ = 0;
    }
    ++runCount_;
    return rng_();
  }
  // The seed of the current run, and which of its runs that is (0 before the first run).
  std::uint64_t seed() const { return seed_; }
  int runCount() const { return runCount_; }
  bool picksSeeds() const { return static_cast<bool>(pick_); }

 private:
  pcg64 rng_;
  std::uint64_t seed_ = 0;
  int runCount_ = 0;
  std::function<std::uint64_t()> pick_;
};

// What run `run` (from 1) of `seed` draws from: what a window given that seed draws its run-th
// time.
inline std::uint64_t runSeed(std::uint64_t seed, int run) {
  RunSeeder seeder(seed);
  for (int k = 1; k < run; ++k) seeder.nextRunSeed();
  return seeder.nextRunSeed();
}

}  // namespace varnesk
