#pragma once
// Tones written as a WAV file that any player opens: 16-bit PCM, mono. Each tone is a sine that
// fades in and out over a few milliseconds, so that no click is heard where two tones meet.
#include <span>
#include <string>

#include "chart/histogram_tones.h"

namespace varnesk {

inline constexpr int kWaveSampleRate = 22050;
inline constexpr double kWaveFadeSeconds = 0.005;
inline constexpr double kWaveAmplitude = 0.5;  // of the largest 16-bit sample

// The whole file: the RIFF header, then round(seconds x rate) samples per tone.
std::string waveFile(std::span<const Tone> tones, int sampleRate = kWaveSampleRate);

}  // namespace varnesk
