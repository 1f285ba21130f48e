#pragma once
// A comparison taken in steps of a few hundred samples, so that a front end can run it away
// from its window, show how far it has come and stop it between two steps. Run to its end it
// holds the rows compareSampleSizes gives for the same population, sizes, R and seed.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/comparison.h"

namespace varnesk {

class ComparisonRun {
 public:
  ComparisonRun(std::shared_ptr<const Population> population, std::vector<std::int32_t> sizes,
                double R, std::uint64_t seed);

  // Samples drawn in one step: a size of 5000 repetitions takes ten.
  static constexpr std::size_t kSamplesPerStep = 500;

  // Draws the next step's samples, completing a size's row with its last; nothing once done.
  void runNext();
  bool done() const { return rows_.size() == sizes_.size(); }
  // Steps taken so far, out of total(): the progress to show.
  std::size_t completed() const { return completed_; }
  std::size_t total() const { return stepsPerSize_ * sizes_.size(); }

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
  std::vector<double> means_;  // of the size being drawn
  std::size_t drawn_ = 0;      // of means_
  std::size_t stepsPerSize_ = 1;
  std::size_t completed_ = 0;
};

}  // namespace varnesk
