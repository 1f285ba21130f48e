#include "chart/wave_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace varnesk {
namespace {

// WAV's numbers are little-endian whatever the processor.
void put(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xff);
}

}  // namespace

std::string waveFile(std::span<const Tone> tones, int sampleRate) {
  std::string samples;
  for (const Tone& tone : tones) {
    const auto count = static_cast<long>(std::lround(tone.seconds * sampleRate));
    const double fade = std::max(1.0, kWaveFadeSeconds * sampleRate);
    for (long i = 0; i < count; ++i) {
      double value = 0.0;
      if (tone.frequency > 0) {
        const auto at = static_cast<double>(i), left = static_cast<double>(count - 1 - i);
        const double envelope = std::min({1.0, at / fade, left / fade});
        value = kWaveAmplitude * envelope *
                std::sin(2 * std::numbers::pi * tone.frequency * at / sampleRate);
      }
      put(samples,
          static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(value * 32767))), 2);
    }
  }
  std::string out = "RIFF";
  put(out, static_cast<std::uint32_t>(36 + samples.size()), 4);
  out += "WAVEfmt ";
  put(out, 16, 4);  // the format chunk's size
  put(out, 1, 2);   // PCM
  put(out, 1, 2);   // mono
  put(out, static_cast<std::uint32_t>(sampleRate), 4);
  put(out, static_cast<std::uint32_t>(sampleRate * 2), 4);  // bytes per second
  put(out, 2, 2);                                           // bytes per sample
  put(out, 16, 2);                                          // bits per sample
  out += "data";
  put(out, static_cast<std::uint32_t>(samples.size()), 4);
  return out + samples;
}

}  // namespace varnesk
