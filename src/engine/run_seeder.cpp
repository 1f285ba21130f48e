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

}  // namespace varnesk
