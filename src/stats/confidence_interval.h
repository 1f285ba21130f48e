#pragma once
// How sure one sample makes us of the population's mean: the interval x̄ ± q · s/√n · f around
// the sample's mean, q the quantile of Student's t with n - 1 degrees of freedom (or of the
// normal law), f the finite population correction √((N − n)/(N − 1)) (or 1 without it).
#include <cstdint>
#include <optional>
#include <string>

namespace varnesk {

// The levels a teacher may choose, in percent.
inline constexpr int kLowestLevel = 80, kHighestLevel = 99, kDefaultLevel = 95;

struct IntervalOptions {
  int level = kDefaultLevel;  // percent
  bool normal = false;        // z instead of Student's t
  bool correction = true;     // the finite population correction
};

// The two-sided quantile for the level: the point under which (1 + level/100)/2 of the law lies;
// t with `degreesOfFreedom` (at least 1) unless `normal`. Rounded to 10 decimals, so that every
// edition's mathematical library gives the very same number.
double criticalValue(int level, std::int64_t degreesOfFreedom, bool normal);

// f for a sample of n from N: 0 for the whole population, 1 without the correction.
double finiteCorrection(std::int32_t n, std::int32_t N, bool correction);

struct ConfidenceInterval {
  double lower = 0, upper = 0;
  double halfWidth() const { return (upper - lower) / 2; }
  // Where μ lies: inside (0), above the interval's upper end (it missed below), below its lower
  // end (it missed above).
  int side(double mu) const { return mu < lower ? -1 : mu > upper ? 1 : 0; }
};

// The interval of a sample with mean `mean` and standard deviation `sd` (divisor n - 1).
ConfidenceInterval confidenceInterval(double mean, double sd, std::int32_t n, std::int32_t N,
                                      double q, double f);

// Why a sample of n has no interval (n below 2: no s to compute), or nothing.
std::optional<std::string> intervalProblem(double n);

// Why a level typed by the teacher is refused, or nothing: a whole percent from 80 to 99.
std::optional<std::string> levelProblem(const std::string& text, int& level);

}  // namespace varnesk
