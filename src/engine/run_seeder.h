#pragma once
#include <cstdint>
#include <string_view>

namespace varnesk {

// A seed typed by the teacher (varnesk --semente, varnesk-sim -s): the whole text must be a
// 64-bit unsigned whole number, without sign or wrap-around.
bool parseSeed(std::string_view text, std::uint64_t& seed);

// A fresh seed for a window's generator at each Load: the clock, mixed with the system's
// entropy so that two windows opened in the same tick still differ.
std::uint64_t clockSeed();

}  // namespace varnesk

#include <pcg_random.hpp>

namespace varnesk {

// The generator of a window, seeded once per Load: every run takes the next seed from it, so
// two runs in the same window differ, and a given seed replays the same runs.
class RunSeeder {
 public:
  explicit RunSeeder(std::uint64_t seed) : rng_(seed), seed_(seed) {}
  std::uint64_t nextRunSeed() {
    ++runCount_;
    return rng_();
  }
  std::uint64_t seed() const { return seed_; }
  int runCount() const { return runCount_; }  // runs drawn so far: the current one's number

 private:
  pcg64 rng_;
  std::uint64_t seed_;
  int runCount_ = 0;
};

}  // namespace varnesk
