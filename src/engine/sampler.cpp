#include "engine/sampler.h"

#include <algorithm>
#include <bit>
#include <thread>
#include <vector>

#include <pcg_random.hpp>

#include "engine/population.h"

namespace varnesk {
namespace {

// Exactly uniform in [0, range) (Lemire's multiply-and-reject).
std::uint32_t uniformBelow(pcg32& rng, std::uint32_t range) {
  std::uint64_t product = std::uint64_t{rng()} * range;
  auto low = static_cast<std::uint32_t>(product);
  if (low < range) {
    const std::uint32_t threshold = -range % range;
    while (low < threshold) {
      product = std::uint64_t{rng()} * range;
      low = static_cast<std::uint32_t>(product);
    }
  }
  return static_cast<std::uint32_t>(product >> 32);
}

// Scratch of one worker, made once per run: a bit per population position and the positions
// marked in the current sample, so that clearing costs only what was marked.
class SampleDrawer {
 public:
  SampleDrawer(const Population& population, std::int32_t sampleSize)
      : values_(population.Populacao.data() + 1),
        size_(static_cast<std::uint32_t>(population.TamanhoPopulacao)),
        sampleSize_(static_cast<std::uint32_t>(sampleSize)),
        // Past half the population it is cheaper to mark the positions left out.
        marked_(2 * sampleSize_ > size_ ? size_ - sampleSize_ : sampleSize_),
        bits_((size_ + 63) / 64, 0),
        positions_(marked_) {}

  double mean(pcg32& rng) {
    for (std::uint32_t k = 0; k < marked_; ++k) {
      std::uint32_t p;
      do p = uniformBelow(rng, size_);
      while (bits_[p >> 6] >> (p & 63) & 1);
      bits_[p >> 6] |= std::uint64_t{1} << (p & 63);
      positions_[k] = p;
    }
    double sum = 0.0;
    if (marked_ == sampleSize_) {
      for (std::uint32_t k = 0; k < marked_; ++k) sum += values_[positions_[k]];
    } else {
      sum = sumUnmarked();
    }
    for (std::uint32_t k = 0; k < marked_; ++k) bits_[positions_[k] >> 6] = 0;
    return sum / sampleSize_;
  }

 private:
  double sumUnmarked() const {
    double sum = 0.0;
    for (std::uint32_t word = 0; word < bits_.size(); ++word) {
      const std::uint32_t base = word * 64;
      const std::uint32_t count = std::min<std::uint32_t>(64, size_ - base);
      const std::uint64_t bits = bits_[word];
      for (std::uint32_t i = 0; i < count; ++i)
        if (!(bits >> i & 1)) sum += values_[base + i];
    }
    return sum;
  }

  const double* values_;
  std::uint32_t size_;
  std::uint32_t sampleSize_;
  std::uint32_t marked_;
  std::vector<std::uint64_t> bits_;
  std::vector<std::uint32_t> positions_;
};

void drawRange(const Population& population, std::int32_t sampleSize, std::uint64_t seed,
               std::span<double> means, std::size_t first, std::size_t last) {
  SampleDrawer drawer(population, sampleSize);
  for (std::size_t r = first; r < last; ++r) {
    pcg32 rng(seed, r);
    means[r] = drawer.mean(rng);
  }
}

}  // namespace

void sortearMedias(const Population& population, std::int32_t sampleSize, std::uint64_t seed,
                   std::span<double> means, unsigned threads) {
  if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
  // Small runs are over before a thread would have started.
  const double work = static_cast<double>(sampleSize) * static_cast<double>(means.size());
  if (work < 200'000) threads = 1;
  threads = static_cast<unsigned>(std::min<std::size_t>(threads, means.size()));
  if (threads <= 1) {
    drawRange(population, sampleSize, seed, means, 0, means.size());
    return;
  }
  std::vector<std::jthread> workers;
  const std::size_t chunk = (means.size() + threads - 1) / threads;
  for (unsigned t = 0; t < threads; ++t) {
    const std::size_t first = t * chunk;
    const std::size_t last = std::min(means.size(), first + chunk);
    if (first >= last) break;
    workers.emplace_back([&, first, last] { drawRange(population, sampleSize, seed, means, first, last); });
  }
}

}  // namespace varnesk
