// The histogram heard: its tones, and the WAV file a player opens.
#include "chart/histogram_tones.h"
#include "chart/wave_file.h"
#include "support.h"

namespace {

std::uint32_t little(const std::string& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

std::int16_t sample(const std::string& wav, std::size_t i) { return static_cast<std::int16_t>(little(wav, 44 + 2 * i, 2)); }

TEST(HistogramTones, LeftToRightHeightAsPitchEmptyClassesRest) {
  const auto pitches = [](const std::vector<double>& classes) {
    std::vector<double> out;
    for (const Tone& t : histogramTones(classes)) {
      EXPECT_EQ(t.seconds, kToneSeconds);
      out.push_back(std::round(t.frequency * 100) / 100);
    }
    return out;
  };
  struct Case {
    std::vector<double> classes;
    std::vector<double> pitches;
  };
  for (const Case& c : std::vector<Case>{
           {{0, 0, 2, 4, 0, 1, 0}, {440, 880, 0, 311.13}},  // the empty ends left out, the middle one a rest
           {{5}, {880}},
           {{25.5, 25.5}, {880, 880}},  // percentages as counts
           {{0, 0}, {}},
           {{}, {}},
       })
    EXPECT_EQ(pitches(c.classes), c.pitches);
  const std::vector<std::vector<double>> series{{1, 2}, {}, {2}};
  EXPECT_EQ(seriesTones(series), (std::vector<Tone>{{440, kToneSeconds}, {880, kToneSeconds}, {0, kSeriesRestSeconds}, {880, kToneSeconds}}));
}

TEST(WaveFile, HeaderThenSixteenBitMonoSamplesOfEachTone) {
  const std::vector<Tone> tones{{440, 0.1}, {0, 0.05}, {880, 0.1}};
  const std::string wav = waveFile(tones, 8000);
  const std::size_t samples = 800 + 400 + 800;
  ASSERT_EQ(wav.size(), 44 + 2 * samples);
  EXPECT_EQ(wav.substr(0, 4) + wav.substr(8, 8) + wav.substr(36, 4), "RIFFWAVEfmt data");
  EXPECT_EQ(std::vector<std::uint32_t>({little(wav, 4, 4), little(wav, 16, 4), little(wav, 20, 2), little(wav, 22, 2), little(wav, 24, 4),
                                        little(wav, 28, 4), little(wav, 32, 2), little(wav, 34, 2), little(wav, 40, 4)}),
            std::vector<std::uint32_t>({36 + 2 * samples, 16, 1, 1, 8000, 16000, 2, 16, 2 * samples}));
  // Each tone fades in from silence and out to it; the rest is silent; the loudest is half scale.
  std::vector<int> heard(samples);
  for (std::size_t i = 0; i < samples; ++i) heard[i] = std::abs(sample(wav, i));
  EXPECT_EQ(std::vector<int>({heard[0], heard[799], heard[800], heard[1199], heard[1200], heard[1999]}), std::vector<int>(6, 0));
  EXPECT_NEAR(*std::max_element(heard.begin(), heard.begin() + 800), 16384, 1);
  EXPECT_TRUE(std::all_of(heard.begin() + 800, heard.begin() + 1200, [](int v) { return v == 0; }));
  // 440 Hz at 8000 samples a second: eleven whole periods every 200 samples.
  EXPECT_NEAR(sample(wav, 100), 16383.5 * std::sin(2 * std::numbers::pi * 440 * 100 / 8000), 1);
  EXPECT_NEAR(sample(wav, 210), sample(wav, 410), 1);
  EXPECT_EQ(waveFile({}, 8000).size(), 44u);
}

}  // namespace
