#pragma once
// The sample means in ascending order, built one insertion at a time as they are produced.
#include <cstdint>
#include <span>
#include <vector>
#include "common/limits.h"

namespace varnesk {

struct SortedMeans {
  // Positions 1 to ContagemOrdenadas hold the list; slot 0 is never part of it, slots above
  // the count may hold an earlier run's values.
  std::vector<float> MediasOrdenadas = std::vector<float>(kMaxMeans + 1, 0.0f);
  std::int32_t ContagemOrdenadas = 0;

  // Inserts x after every value not greater than it, so equal values keep their order of
  // arrival. A full list (5000 values) takes no more.
  void OrdenarMedias(float x);

  std::span<const float> values() const {
    return {MediasOrdenadas.data() + 1, static_cast<std::size_t>(ContagemOrdenadas)};
  }
};

}  // namespace varnesk
