#pragma once
#include <cstdint>

namespace varnesk {

// A fresh seed for a window's generator at each Load: the clock, mixed with the system's
// entropy so that two windows opened in the same tick still differ.
std::uint64_t sementeDoRelogio();

}  // namespace varnesk

#include <pcg_random.hpp>

namespace varnesk {

// The generator of a window, seeded once per Load: every run takes the next seed from it, so
// two runs in the same window differ, and a given seed replays the same runs.
class GeradorCorridas {
 public:
  explicit GeradorCorridas(std::uint64_t semente) : rng_(semente) {}
  std::uint64_t proximaCorrida() { return rng_(); }

 private:
  pcg64 rng_;
};

}  // namespace varnesk
