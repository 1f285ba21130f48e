#include "engine/seed.h"

#include <chrono>
#include <random>

namespace varnesk {

std::uint64_t sementeDoRelogio() {
  const auto ticks = static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
  std::random_device device;
  return ticks ^ (std::uint64_t{device()} << 32 | device());
}

}  // namespace varnesk
