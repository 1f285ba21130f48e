#include "engine/run_seeder.h"

#include <charconv>
#include <chrono>
#include <random>

namespace varnesk {

bool parseSeed(std::string_view text, std::uint64_t& seed) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, seed);
  return !text.empty() && ec == std::errc() && ptr == end;
}

std::uint64_t clockSeed() {
  const auto ticks = static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
  std::random_device device;
  return ticks ^ (std::uint64_t{device()} << 32 | device());
}

std::uint64_t shortSeed() {
  // The remainder's bias over 2^64 values is far below anything a class could notice.
  return kSmallestShortSeed + clockSeed() % (kLargestShortSeed - kSmallestShortSeed + 1);
}

std::string seedLine(std::uint64_t seed, int run, bool picked) {
  if (run == 0)
    return picked ? "Semente: nenhuma simulação ainda"
                  : "Semente " + std::to_string(seed) + " · nenhuma simulação ainda";
  const std::string line = "Semente " + std::to_string(seed);
  return run == 1 ? line : line + " · simulação " + std::to_string(run);
}

}  // namespace varnesk
