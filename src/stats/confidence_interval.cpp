#include "stats/confidence_interval.h"

#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <charconv>
#include <cmath>

namespace varnesk {

double criticalValue(int level, std::int64_t degreesOfFreedom, bool normal) {
  const double p = (1 + level / 100.0) / 2;
  const double q = normal ? boost::math::quantile(boost::math::normal(), p)
                          : boost::math::quantile(
                                boost::math::students_t(static_cast<double>(degreesOfFreedom)), p);
  return std::round(q * 1e10) / 1e10;
}

double finiteCorrection(std::int32_t n, std::int32_t N, bool correction) {
  if (!correction || N <= 1) return 1.0;
  return std::sqrt(static_cast<double>(N - n) / (N - 1));
}

ConfidenceInterval confidenceInterval(double mean, double sd, std::int32_t n, std::int32_t,
                                      double q, double f) {
  // A sample of the whole population with the correction has no error left: its interval is its
  // mean alone, whatever the rounding of s would add.
  const double half = f == 0 ? 0.0 : q * sd / std::sqrt(static_cast<double>(n)) * f;
  return {mean - half, mean + half};
}

std::optional<std::string> intervalProblem(double n) {
  if (std::floor(n) >= 2) return std::nullopt;
  return "Um intervalo de confiança precisa de amostras de pelo menos 2 valores: com um só não "
         "há desvio padrão da amostra para calcular.";
}

std::optional<std::string> levelProblem(const std::string& text, int& level) {
  const char* first = text.data();
  while (first != text.data() + text.size() && *first == ' ') ++first;
  const char* last = text.data() + text.size();
  while (last != first && (last[-1] == ' ' || last[-1] == '%')) --last;
  int value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last || value < kLowestLevel || value > kHighestLevel)
    return "O nível de confiança é um número inteiro de 80 a 99 (por cento), como 95.";
  level = value;
  return std::nullopt;
}

}  // namespace varnesk
