#include "chart/population_histogram.h"

#include <algorithm>
#include <cmath>

#include "chart/chart_traits.h"
#include "chart/classes.h"

namespace varnesk {
namespace {

constexpr double kAboutClasses = 20;
constexpr int kMostLabels = 10;
constexpr int kMostClasses = 40;        // the chart has 41 boundary labels
constexpr double kLeastWidth = 1e-300;  // narrower, a power of ten would leave the doubles' range

double powerOfTen(int exponent) {
  double p = 1;
  for (int i = 0; i < std::abs(exponent); ++i) p *= 10;  // exact up to 10^22
  return p;
}

// 1, 2 or 5 times 10^exponent. Boundary k is k * multiple units of that power, divided rather
// than multiplied by a power below one, so that it is the double nearest the decimal it names
// (1.5, not 15 * 0.1 = 1.5000000000000002) and a value read as 1.5 lies on it.
struct RoundWidth {
  double multiple = 1;
  int exponent = 0;

  double value() const { return boundary(1); }
  double boundary(long long k) const {
    const double units = static_cast<double>(k) * multiple;
    return exponent >= 0 ? units * powerOfTen(exponent) : units / powerOfTen(-exponent);
  }
};

RoundWidth roundWidth(double range) {
  const double least = range / kAboutClasses;
  if (!(least > kLeastWidth)) return {};  // every value the same: one class of one unit
  const int exponent = static_cast<int>(std::floor(std::log10(least)));
  for (double m : {1.0, 2.0, 5.0})
    if (RoundWidth{m, exponent}.value() >= least) return {m, exponent};
  return {1, exponent + 1};
}

}  // namespace

PopulationHistogram populationHistogram(std::span<const double> values, double mean) {
  PopulationHistogram h;
  if (values.empty()) return h;
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  const RoundWidth width = roundWidth(*high - *low);
  // The quotient is off by one at most, where it rounds across a whole number.
  auto first = static_cast<long long>(std::floor(*low / width.value()));
  if (width.boundary(first) > *low) --first;
  if (width.boundary(first + 1) <= *low) ++first;
  // The largest value falls in the last class, so that class closes the range like the others.
  int last = 0;
  while (last < kMostClasses && width.boundary(first + last + 1) <= *high) ++last;
  h.start = width.boundary(first);
  h.scale = {static_cast<std::int16_t>(last), width.value(), 1};
  std::vector<double> limits(static_cast<std::size_t>(last) + 1);
  for (std::size_t i = 0; i < limits.size(); ++i)
    limits[i] = width.boundary(first + static_cast<long long>(i));
  h.counts.assign(limits.size(), 0);
  // The instant window's rule: a value on a boundary goes to the class above it.
  countMeans<int, double>(values, limits, kInstantChart.firstClass + 1, last, h.counts.data());
  h.count = static_cast<std::int32_t>(values.size());
  h.mean = mean;
  for (int every : {1, 2, 5, 10}) {
    h.labelEvery = every;
    if ((last + every) / every <= kMostLabels) break;
  }
  // The labelled boundaries are multiples of the label step, whose decimals they need.
  long long units = static_cast<long long>(width.multiple) * h.labelEvery;
  int decimals = -width.exponent;
  for (; decimals > 0 && units % 10 == 0; --decimals) units /= 10;
  h.labelDecimals = std::max(decimals, 0);
  return h;
}

}  // namespace varnesk
