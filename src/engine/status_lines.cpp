#include "engine/status_lines.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/number_text.h"

namespace varnesk {

long long wholeShown(double value) {
  constexpr double kLargest = 1e15;  // far beyond any run, well inside a long long
  if (!(value >= 1)) return 0;
  return static_cast<long long>(std::floor(std::min(value, kLargest)));
}

namespace {

// A file name longer than the strip has room for keeps its start and its end (the extension),
// with an ellipsis between; counted in characters, not in the bytes of their UTF-8 encoding.
std::string shortened(std::string_view name) {
  constexpr std::size_t kHead = 12, kTail = 12;
  std::vector<std::size_t> starts;  // where each character begins
  for (std::size_t i = 0; i < name.size(); ++i)
    if ((static_cast<unsigned char>(name[i]) & 0xC0) != 0x80) starts.push_back(i);
  if (starts.size() <= kHead + kTail + 1) return std::string(name);
  return std::string(name.substr(0, starts[kHead])) + "…" +
         std::string(name.substr(starts[starts.size() - kTail]));
}

}  // namespace

std::string populationLine(std::string_view name) { return "População: " + shortened(name); }

std::string populationLine(std::string_view name, std::int32_t size,
                           std::span<const std::int32_t> sampleSizes, long long repetitions,
                           char separator) {
  std::string line =
      populationLine(name) + " (N = " + formatThousands(size, separator) + ") · n = ";
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
