#include "engine/interval_run.h"

#include <algorithm>

#include "engine/population.h"
#include "engine/sampler.h"

namespace varnesk {

IntervalRun::IntervalRun(const Population& population, std::int32_t n, std::int32_t R,
                         std::uint64_t seed, unsigned threads)
    : n_(n),
      N_(population.TamanhoPopulacao),
      mu_(populationMeanAsDrawn(population)),
      means_(static_cast<std::size_t>(std::max(R, 0))),
      sds_(means_.size()) {
  drawMeans(population, n, seed, means_, threads, Marking::Native, 0, sds_);
  setOptions(options_);
}

void IntervalRun::setOptions(const IntervalOptions& options) {
  options_ = options;
  q_ = criticalValue(options.level, n_ - 1, options.normal);
  f_ = finiteCorrection(n_, N_, options.correction);
}

ConfidenceInterval IntervalRun::interval(std::int32_t r) const {
  return confidenceInterval(mean(r), sd(r), n_, N_, q_, f_);
}

Coverage IntervalRun::coverage(std::int32_t shown) const {
  Coverage c;
  c.shown = std::clamp(shown, 0, size());
  for (std::int32_t r = 0; r < c.shown; ++r) {
    const int side = interval(r).side(mu_);
    c.contain += side == 0;
    c.below += side > 0;
    c.above += side < 0;
  }
  return c;
}

}  // namespace varnesk
