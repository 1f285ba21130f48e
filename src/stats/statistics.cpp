#include "stats/statistics.h"

#include <cmath>

#include "common/number_text.h"

namespace varnesk {

Statistics CalcularEstatisticas(std::span<const float> sorted, double overallMean,
                                MeanPrecision precision, char separator) {
  Statistics out;
  const std::size_t count = sorted.size();
  if (count == 0) return {"-", "-", "-", "-", "-", "-", "-"};
  auto M = [&](std::size_t k) { return static_cast<double>(sorted[k - 1]); };  // 1-based
  auto text = [&](double v) { return formatFixed(v, 3, separator); };

  const bool even = count % 2 == 0;
  out.median = text(even ? (M(count / 2) + M(count / 2 + 1)) / 2 : M(count / 2 + 1));

  // h means in the lower half, the median included when the count is odd.
  const std::size_t h = even ? count / 2 : count / 2 + 1;
  if (count < 3) {
    out.q1 = out.q3 = "-";
  } else if (count == 3) {
    out.q1 = text(M(1));
    out.q3 = text(M(3));
  } else if (count == 4) {
    out.q1 = text((3 * M(1) + M(2)) / 4);
    out.q3 = text((M(3) + 3 * M(4)) / 4);
  } else if (h % 2 == 0) {
    const std::size_t a = h / 2, b = a + 1;
    out.q1 = text((M(a) + M(b)) / 2);
    out.q3 = text((M(count + 1 - a) + M(count + 1 - b)) / 2);
  } else {
    const std::size_t a = h / 2 + 1;
    out.q1 = text(M(a));
    out.q3 = text(M(count + 1 - a));
  }

  out.minimum = text(M(1));
  out.maximum = text(M(count));
  out.mean = text(overallMean);

  if (count > 1) {
    float sum = 0.0f;  // rounded to single precision after every addition
    for (std::size_t i = 1; i <= count; ++i) {
      const double difference =
          precision == MeanPrecision::Single
              ? static_cast<double>(sorted[i - 1] - static_cast<float>(overallMean))
              : M(i) - overallMean;
      sum = static_cast<float>(static_cast<double>(sum) + difference * difference);
    }
    out.sd = text(std::sqrt(static_cast<double>(sum) / static_cast<double>(count - 1)));
  } else {
    out.sd = "-";
  }
  return out;
}

}  // namespace varnesk
