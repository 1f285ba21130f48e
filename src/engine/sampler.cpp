#include "engine/sampler.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <vector>

#include "common/library_fallbacks.h"
#include "engine/population.h"
#include "platform/mark_bit.h"
#include "platform/worker_threads.h"

namespace varnesk {
namespace {

std::uint64_t splitMix64(std::uint64_t& counter) {
  std::uint64_t z = (counter += 0x9e3779b97f4a7c15);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
  z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
  return z ^ (z >> 31);
}

// xoshiro256++: a 64-bit draw costs a few shifts and xors and gives two 32-bit halves.
class Xoshiro256pp {
 public:
  // Stream r of a run starts from four consecutive outputs of splitmix64, past the run's mixed
  // seed, a block that no other stream of the run shares.
  Xoshiro256pp(std::uint64_t mixedSeed, std::uint64_t stream) {
    std::uint64_t counter = mixedSeed + 4 * stream * 0x9e3779b97f4a7c15;
    for (auto& word : s_) word = splitMix64(counter);
  }

  std::uint64_t operator()() {
    const std::uint64_t result = std::rotl(s_[0] + s_[3], 23) + s_[0];
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = std::rotl(s_[3], 45);
    return result;
  }

 private:
  std::uint64_t s_[4];
};

// A sample's spread as it is summed: the values' differences from a shift near their mean (the
// population's), summed and squared, so that the sum of squares loses no digits to the mean's.
struct Spread {
  double deviations = 0, squares = 0;
  // s, with divisor n - 1.
  double sd(std::uint32_t n) const {
    const double centred = squares - deviations * deviations / n;
    return std::sqrt(std::max(0.0, centred) / (n - 1));
  }
};

// Scratch of one worker, made once per run: a bit per population position and the positions
// marked in the current sample. With kSpread it also sums what each sample's standard deviation
// needs, beside the very sums of the means.
template <Marking kMarking, bool kSpread = false>
class SampleDrawer {
 public:
  SampleDrawer(const Population& population, std::int32_t sampleSize)
      : values_(population.Populacao.data() + 1),
        size_(static_cast<std::uint32_t>(population.TamanhoPopulacao)),
        sampleSize_(static_cast<std::uint32_t>(sampleSize)),
        // Past half the population it is cheaper to mark the positions left out.
        marked_(2 * sampleSize_ > size_ ? size_ - sampleSize_ : sampleSize_),
        // Lemire's multiply-and-reject: a 32-bit x gives floor(x * size / 2^32), except that x
        // whose product has a low half below 2^32 mod size are thrown back; what remains maps
        // the same number of x to every position, so the draw is exactly uniform.
        threshold_(static_cast<std::uint32_t>(-size_) % size_),
        bits_((size_ + 63) / 64, 0),
        positions_(marked_),
        shift_(kSpread ? populationMean(population) : 0.0),
        wholePopulationMean_(marked_ == 0 ? sumUnmarked() / sampleSize_ : 0.0),
        wholePopulationSd_(marked_ == 0 && kSpread ? spread_.sd(sampleSize_) : 0.0) {}

  // Kept a call of its own: the browsers' WebAssembly engines put a function's optimized code to
  // use only from its next call on, so a run inlined into one call would stay in their quick
  // first translation from start to end, twice as slow.
  [[gnu::noinline]] double mean(Xoshiro256pp& rng) {
    // A sample of the whole population marks nothing: every such sample has the same sum.
    if (marked_ == 0) return wholePopulationMean_;
    markPositions(rng);
    return sumAndClear();
  }

  // The standard deviation of the sample that mean() drew last.
  double sd() const {
    if (marked_ == 0) return wholePopulationSd_;
    return spread_.sd(sampleSize_);
  }

  // The positions (from 0) of the sample that mean() draws from the same stream, and its mean,
  // added up as mean() adds it: the positions in the order drawn when they were the ones
  // marked, in ascending order when the marks were those left out.
  double sample(Xoshiro256pp& rng, std::vector<std::uint32_t>& taken) {
    taken.clear();
    if (marked_ != 0) markPositions(rng);
    if (marked_ == sampleSize_) {
      taken.assign(positions_.begin(), positions_.end());
    } else {
      for (std::uint32_t p = 0; p < size_; ++p)
        if ((bits_[p >> 6] >> (p & 63) & 1) == 0) taken.push_back(p);
    }
    return marked_ == 0 ? wholePopulationMean_ : sumAndClear();
  }

 private:
  double sumAndClear() {
    const double sum = marked_ == sampleSize_ ? sumMarked() : sumUnmarked();
    // Clearing word by word beats wiping the whole array only while few words were touched.
    if (std::size_t{marked_} * 8 < bits_.size()) {
      for (std::uint32_t p : positions_) bits_[p >> 6] = 0;
    } else {
      std::fill(bits_.begin(), bits_.end(), 0);
    }
    return sum / sampleSize_;
  }

  // Marks marked_ distinct positions in the order drawn, each new position uniform over those
  // not yet marked. A position already marked is written to positions_ too but does not
  // advance the count, so the next one overwrites it: no branch on whether it was new, which
  // would mispredict at every repeat (a third of the draws when the sample is half the
  // population). The values are summed afterwards, in a loop of their own: summing them in
  // this loop as well was slower.
  void markPositions(Xoshiro256pp& rng) {
    // A local copy of the generator stays in registers; through the reference, every store
    // to a marker word might change its state.
    Xoshiro256pp local = rng;
    std::uint64_t* bits = bits_.data();
    std::uint32_t* positions = positions_.data();
    const std::uint32_t size = size_, threshold = threshold_;
    // A 64-bit count indexes positions without a widening move in every try.
    const std::size_t marked = marked_;
    std::size_t count = 0;
    auto tryPosition = [&](std::uint32_t x) {
      const std::uint64_t product = std::uint64_t{x} * size;
      if (static_cast<std::uint32_t>(product) < threshold) [[unlikely]]
        return;
      const auto p = static_cast<std::uint32_t>(product >> 32);
      positions[count] = p;
      bits[p >> 6] = markBit(bits[p >> 6], p, count);
    };
    while (count < marked) {
      const std::uint64_t x = local();
      tryPosition(static_cast<std::uint32_t>(x));
      if (count < marked) tryPosition(static_cast<std::uint32_t>(x >> 32));
    }
    rng = local;
  }

  static std::uint64_t markBit(std::uint64_t word, std::uint32_t p, std::size_t& count) {
    if constexpr (kMarking == Marking::Native)
      return markBitNative(word, p, count);
    else
      return markBitPortable(word, p, count);
  }

  // The values of the marked positions, added in the order they were drawn.
  double sumMarked() {
    double total = 0.0;
    Spread spread;
    for (std::uint32_t p : positions_) {
      total += values_[p];
      if constexpr (kSpread) add(spread, values_[p]);
    }
    spread_ = spread;
    return total;
  }

  void add(Spread& spread, double value) const {
    const double d = value - shift_;
    spread.deviations += d;
    spread.squares += d * d;
  }

  static double populationMean(const Population& population) {
    double sum = 0;
    for (std::int32_t i = 1; i <= population.TamanhoPopulacao; ++i) sum += population.Populacao[i];
    return population.TamanhoPopulacao > 0 ? sum / population.TamanhoPopulacao : 0.0;
  }

  // Sums the values whose bit is clear, with four partial sums so that the additions overlap.
  // A word without marks, the only kind when the sample is the whole population, skips the
  // masking.
  double sumUnmarked() {
    if constexpr (kSpread) spread_ = unmarkedSpread();
    double s0 = 0.0, s1 = 0.0, s2 = 0.0, s3 = 0.0;
    const std::uint32_t fullWords = size_ / 64;
    for (std::uint32_t w = 0; w < fullWords; ++w) {
      const double* v = values_ + std::size_t{w} * 64;
      const std::uint64_t keep = ~bits_[w];
      if (keep == ~std::uint64_t{0}) {
        for (std::uint32_t i = 0; i < 64; i += 4) {
          s0 += v[i];
          s1 += v[i + 1];
          s2 += v[i + 2];
          s3 += v[i + 3];
        }
      } else {
        for (std::uint32_t i = 0; i < 64; i += 4) {
          s0 += keptValue(v[i], keep, i);
          s1 += keptValue(v[i + 1], keep, i + 1);
          s2 += keptValue(v[i + 2], keep, i + 2);
          s3 += keptValue(v[i + 3], keep, i + 3);
        }
      }
    }
    const std::uint64_t keep = fullWords < bits_.size() ? ~bits_[fullWords] : 0;
    for (std::uint32_t i = 0; fullWords * 64 + i < size_; ++i)
      s0 += keptValue(values_[fullWords * 64 + i], keep, i);
    return (s0 + s1) + (s2 + s3);
  }

  // The spread of the values whose bit is clear, in a pass of its own so that the sums of the
  // mean stay as they are.
  Spread unmarkedSpread() const {
    Spread spread;
    for (std::uint32_t p = 0; p < size_; ++p) {
      const double d = keptValue(values_[p] - shift_, ~bits_[p >> 6], p & 63);
      spread.deviations += d;
      spread.squares += d * d;
    }
    return spread;
  }

  // The value when bit i of `keep` is set, else +0.0; without a branch, which marks scattered
  // at random would mispredict.
  static double keptValue(double value, std::uint64_t keep, std::uint32_t i) {
    return bitCast<double>(bitCast<std::uint64_t>(value) & (0 - (keep >> i & 1)));
  }

  const double* values_;
  std::uint32_t size_;
  std::uint32_t sampleSize_;
  std::uint32_t marked_;
  std::uint32_t threshold_;
  std::vector<std::uint64_t> bits_;
  std::vector<std::uint32_t> positions_;
  double shift_;
  Spread spread_{};
  double wholePopulationMean_;
  double wholePopulationSd_;
};

std::uint64_t mixSeed(std::uint64_t seed) { return splitMix64(seed); }

}  // namespace

double populationMeanAsDrawn(const Population& population) {
  if (population.TamanhoPopulacao <= 0) return 0.0;
  SampleDrawer<Marking::Portable> drawer(population, population.TamanhoPopulacao);
  Xoshiro256pp rng(0, 0);
  return drawer.mean(rng);
}

DrawnSample redrawSample(const Population& population, std::int32_t sampleSize, std::uint64_t seed,
                         std::size_t r) {
  SampleDrawer<Marking::Portable> drawer(population, sampleSize);
  Xoshiro256pp rng(mixSeed(seed), r);
  std::vector<std::uint32_t> taken;
  DrawnSample drawn;
  drawn.mean = drawer.sample(rng, taken);
  drawn.positions.reserve(taken.size());
  for (std::uint32_t p : taken) drawn.positions.push_back(static_cast<std::int32_t>(p) + 1);
  return drawn;
}

void drawMeans(const Population& population, std::int32_t sampleSize, std::uint64_t seed,
               std::span<double> means, unsigned threads, Marking marking, std::size_t firstSample,
               std::span<double> sds) {
  if (threads == 0) threads = availableThreads();
  // Small runs are over before a thread would have started.
  const double work = static_cast<double>(sampleSize) * static_cast<double>(means.size());
  if (work < 200'000) threads = 1;
  const std::uint64_t mixedSeed = mixSeed(seed);
  // Workers take blocks of samples as they free up, so a core slowed by other programs holds
  // up no one; each sample's stream keeps the means independent of who drew them.
  constexpr std::size_t kBlock = 8;
  std::atomic<std::size_t> nextBlock{0};
  auto drawBlocks = [&](auto drawer) {
    for (std::size_t first; (first = nextBlock.fetch_add(kBlock)) < means.size();) {
      const std::size_t last = std::min(means.size(), first + kBlock);
      for (std::size_t r = first; r < last; ++r) {
        Xoshiro256pp rng(mixedSeed, firstSample + r);
        means[r] = drawer.mean(rng);
        if (!sds.empty()) sds[r] = drawer.sd();
      }
    }
  };
  const std::size_t blocks = (means.size() + kBlock - 1) / kBlock;
  runOnThreads(std::min<std::size_t>(threads, blocks), [&] {
    if (!sds.empty())
      drawBlocks(SampleDrawer<Marking::Native, true>(population, sampleSize));
    else if (marking == Marking::Native)
      drawBlocks(SampleDrawer<Marking::Native>(population, sampleSize));
    else
      drawBlocks(SampleDrawer<Marking::Portable>(population, sampleSize));
  });
}

}  // namespace varnesk
