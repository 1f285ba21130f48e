#include "engine/status_lines.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"

namespace varnesk {

long long wholeShown(double value) {
  constexpr double kLargest = 1e15;  // far beyond any run, well inside a long long
  if (!(value >= 1)) return 0;
  return static_cast<long long>(std::floor(std::min(value, kLargest)));
}

std::string populationLine(std::string_view name) { return "População: " + std::string(name); }

std::string populationLine(std::string_view name, std::int32_t size,
                           std::span<const std::int32_t> sampleSizes, long long repetitions,
                           char separator) {
  std::string line = populationLine(name) + " (N = " + formatThousands(size, separator) + ") · n = ";
  for (std::size_t i = 0; i < sampleSizes.size(); ++i)
    line += (i > 0 ? ", " : "") + formatThousands(sampleSizes[i], separator);
  return line + " · R = " + formatThousands(repetitions, separator);
}

std::string standardErrorLine(double correctedSe, char separator) {
  return "Erro padrão teórico: " + formatFixed(correctedSe, 3, separator);
}

std::string progressLine(long long shown, long long total, char separator) {
  return "Médias mostradas: " + formatThousands(shown, separator) + " de " +
         formatThousands(total, separator);
}

}  // namespace varnesk
