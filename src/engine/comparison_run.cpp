#include "engine/comparison_run.h"

#include "engine/population.h"

namespace varnesk {

ComparisonRun::ComparisonRun(std::shared_ptr<const Population> population,
                             std::vector<std::int32_t> sizes, double R, std::uint64_t seed)
    : population_(std::move(population)), sizes_(std::move(sizes)), R_(R), seed_(seed) {
  rows_.reserve(sizes_.size());
}

void ComparisonRun::runNext() {
  if (done()) return;
  rows_.push_back(compareSampleSize(*population_, sizes_[rows_.size()], R_, seed_));
}

}  // namespace varnesk
