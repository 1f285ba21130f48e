#pragma once
// Draws the sample means of a run: each sample takes distinct population positions, chosen
// uniformly; samples are independent of one another.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace varnesk {

struct Population;

// How a draw marks the positions it took: with the processor's own bit instructions where the
// build knows them, or in plain C++, as on every other processor. Both give the same means;
// the choice lets one build compare them.
enum class Marking { Native, Portable };

// means[r] = mean of sample r (r = 0 .. means.size()-1) of `sampleSize` values. Sample r uses
// its own generator stream, derived from (seed, r), so the result depends only on the seed and
// not on how many worker threads share the samples. Precondition: 1 <= sampleSize <=
// TamanhoPopulacao. `threads` = 0 takes the machine's cores. `firstSample` numbers means[0]:
// a run drawn in pieces, each from where the last ended, holds the means of a run drawn whole.
// `sds`, when given (as long as `means`), takes each sample's standard deviation (divisor n - 1;
// NaN for a sample of one value), the means staying the very ones drawn without it.
void drawMeans(const Population& population, std::int32_t sampleSize, std::uint64_t seed,
               std::span<double> means, unsigned threads = 0, Marking marking = Marking::Native,
               std::size_t firstSample = 0, std::span<double> sds = {});

// The population's mean as a sample of all its values gives it, to the last bit: what an
// interval of such a sample is centred on.
double populationMeanAsDrawn(const Population& population);

// A sample of a run drawn again: its population positions (1..TamanhoPopulacao) and its mean,
// the very value drawMeans gave for it.
struct DrawnSample {
  std::vector<std::int32_t> positions;
  double mean = 0.0;
};

// Sample r (from 0) of the run that drawMeans draws with this seed and sample size, drawn again
// from its own stream, so that a run need not keep the positions of its samples.
DrawnSample redrawSample(const Population& population, std::int32_t sampleSize, std::uint64_t seed,
                         std::size_t r);

}  // namespace varnesk
