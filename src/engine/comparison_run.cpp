#include "engine/comparison_run.h"

#include <algorithm>

#include "common/limits.h"
#include "engine/population.h"
#include "engine/sampler.h"
#include "engine/sampling_run.h"

namespace varnesk {

ComparisonRun::ComparisonRun(std::shared_ptr<const Population> population,
                             std::vector<std::int32_t> sizes, double R, std::uint64_t seed)
    : population_(std::move(population)),
      sizes_(std::move(sizes)),
      R_(R),
      seed_(seed),
      means_(static_cast<std::size_t>(wholeCount(R, kMaxMeans))) {
  rows_.reserve(sizes_.size());
  stepsPerSize_ = std::max<std::size_t>(1, (means_.size() + kSamplesPerStep - 1) / kSamplesPerStep);
}

void ComparisonRun::runNext() {
  if (done()) return;
  const std::int32_t n = sizes_[rows_.size()];
  const std::size_t count = std::min(kSamplesPerStep, means_.size() - drawn_);
  // Each sample draws from its own stream, numbered within the run: pieces make the whole.
  if (count > 0)
    drawMeans(*population_, wholeCount(n, population_->TamanhoPopulacao), seed_,
              std::span(means_).subspan(drawn_, count), 0, Marking::Native, drawn_);
  drawn_ += count;
  ++completed_;
  if (drawn_ < means_.size()) return;
  rows_.push_back(comparisonRow(*population_, n, {means_.begin(), means_.end()}));
  drawn_ = 0;
}

}  // namespace varnesk
