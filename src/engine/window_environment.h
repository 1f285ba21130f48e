#pragma once
// What a window's logic takes from the edition that shows it: the message boxes and the focus,
// how captions measure, the regional decimal separator, the population to read and the seed.
#include <cstdint>
#include <functional>

#include "common/controls.h"
#include "common/platform.h"
#include "engine/population_source.h"

namespace varnesk {

struct WindowEnvironment {
  Platform& platform;
  TextMeasure measure;   // captions of the auto-sized labels in the default font, in twips
  char separator = '.';  // the regional decimal separator of the captions
  PopulationSource population;
  // The seed the teacher gave (varnesk --semente, the page's ?semente=): the window replays its
  // runs from it at each Load. Empty: every run picks a short seed of its own (pickSeed, or else
  // a six-digit one from the clock).
  std::function<std::uint64_t()> seed;
  std::function<std::uint64_t()> pickSeed = nullptr;
};

}  // namespace varnesk
