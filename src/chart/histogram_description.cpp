#include "chart/histogram_description.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "common/number_text.h"

namespace varnesk {
namespace {

bool empty(const HistogramDescription& h) {
  return h.count <= 0 ||
         std::none_of(h.classes.begin(), h.classes.end(), [](double v) { return v > 0; });
}

}  // namespace

std::string HistogramDescription::range(char separator) const {
  if (empty(*this)) return {};
  const auto holds = [](double v) { return v > 0; };
  const auto first = std::find_if(classes.begin(), classes.end(), holds) - classes.begin();
  const auto last = classes.rend() - std::find_if(classes.rbegin(), classes.rend(), holds);
  return "de " + formatFixed(start + static_cast<double>(first) * classWidth, decimals, separator) +
         " a " + formatFixed(start + static_cast<double>(last) * classWidth, decimals, separator);
}

std::string HistogramDescription::highestClass(char separator) const {
  if (empty(*this)) return {};
  const auto highest = std::max_element(classes.begin(), classes.end());
  const double total = std::accumulate(classes.begin(), classes.end(), 0.0);
  const double from = start + static_cast<double>(highest - classes.begin()) * classWidth;
  const auto share = static_cast<long long>(std::lround(*highest / total * 100));
  return "a classe mais alta, " + formatFixed(from, decimals, separator) + " a " +
         formatFixed(from + classWidth, decimals, separator) + ", tem " + formatWhole(share) + " %";
}

std::string HistogramDescription::sentence(char separator) const {
  if (empty(*this)) return {};
  return "Histograma de " + formatThousands(count, separator) + " " + what + ", " +
         range(separator) + "; " + highestClass(separator) + "; média " + mean + ", dp " + sd;
}

}  // namespace varnesk
