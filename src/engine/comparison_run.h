#pragma once
// A comparison taken one sample size at a time, so that a front end can run it away from its
// window, show how far it has come and stop it between two sizes. Run to its end it holds the
// rows compareSampleSizes gives for the same population, sizes, R and seed.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/comparison.h"

namespace varnesk {

class ComparisonRun {
 public:
  ComparisonRun(std::shared_ptr<const Population> population, std::vector<std::int32_t> sizes,
                double R, std::uint64_t seed);

  // Draws the next size's run; nothing once done.
  void runNext();
  bool done() const { return rows_.size() == sizes_.size(); }
  // Sizes run so far, out of total(): the progress to show.
  std::size_t completed() const { return rows_.size(); }
  std::size_t total() const { return sizes_.size(); }

  const std::vector<std::int32_t>& sizes() const { return sizes_; }
  const std::vector<ComparisonRow>& rows() const { return rows_; }
  const Population& population() const { return *population_; }
  std::uint64_t seed() const { return seed_; }
  double repetitions() const { return R_; }

 private:
  std::shared_ptr<const Population> population_;
  std::vector<std::int32_t> sizes_;
  double R_;
  std::uint64_t seed_;
  std::vector<ComparisonRow> rows_;
};

}  // namespace varnesk
