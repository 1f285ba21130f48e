#include "seed_source.h"

#include "engine/run_seeder.h"

namespace varnesk {

std::function<std::uint64_t()> seedSource(const std::string& text) {
  std::uint64_t seed = 0;
  if (!parseSeed(text, seed)) return nullptr;
  return [seed] { return seed; };
}

char decimalSeparator(const std::string& text) { return text == "," ? ',' : '.'; }

}  // namespace varnesk
