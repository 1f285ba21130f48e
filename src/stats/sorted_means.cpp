#include "stats/sorted_means.h"

#include <algorithm>

namespace varnesk {

void SortedMeans::OrdenarMedias(float x) {
  if (ContagemOrdenadas >= kMaxMeans) return;
  float* first = MediasOrdenadas.data() + 1;
  float* last = first + ContagemOrdenadas;
  // upper_bound: the first value strictly greater than x, which keeps equal values stable.
  float* place = std::upper_bound(first, last, x);
  std::copy_backward(place, last, last + 1);
  *place = x;
  ++ContagemOrdenadas;
}

}  // namespace varnesk
