#pragma once
// R samples of n drawn as the sampling run draws them (the same seed gives the same means), each
// with its standard deviation, so that each sample's confidence interval can be shown, counted
// against the population's mean, and computed again for another level, law or correction
// without drawing anything again.
#include <cstdint>
#include <span>
#include <vector>

#include "stats/confidence_interval.h"

namespace varnesk {

struct Population;

// How many of a run's first intervals contain μ, and how many miss it on each side.
struct Coverage {
  std::int32_t shown = 0, contain = 0;
  std::int32_t below = 0;  // the whole interval below μ
  std::int32_t above = 0;  // the whole interval above μ
  double share() const { return shown > 0 ? static_cast<double>(contain) / shown : 0.0; }
};

class IntervalRun {
 public:
  IntervalRun() = default;
  // floor(R) samples of n (at least 2, at most N) from `seed`, as GerarAmostras draws them.
  IntervalRun(const Population& population, std::int32_t n, std::int32_t R, std::uint64_t seed,
              unsigned threads = 0);

  void setOptions(const IntervalOptions& options);
  const IntervalOptions& options() const { return options_; }

  std::int32_t n() const { return n_; }
  std::int32_t N() const { return N_; }
  std::int32_t size() const { return static_cast<std::int32_t>(means_.size()); }
  // The population's mean, as the sample of all its values would give it.
  double mu() const { return mu_; }
  double q() const { return q_; }  // the quantile the intervals use
  double f() const { return f_; }  // the finite population correction they use

  double mean(std::int32_t r) const { return means_[static_cast<std::size_t>(r)]; }
  double sd(std::int32_t r) const { return sds_[static_cast<std::size_t>(r)]; }
  // Sample r's interval (r from 0).
  ConfidenceInterval interval(std::int32_t r) const;
  // Of the first `shown` samples.
  Coverage coverage(std::int32_t shown) const;

 private:
  std::int32_t n_ = 0, N_ = 0;
  double mu_ = 0;
  std::vector<double> means_, sds_;
  IntervalOptions options_;
  double q_ = 0, f_ = 1;
};

}  // namespace varnesk
