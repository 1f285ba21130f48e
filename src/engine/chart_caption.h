#pragma once
// What a saved chart says about itself, so that a picture on a slide or a handout still tells
// where it came from: the population and its size, n, R, the seed of the run and the seven
// statistics of the panel.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace varnesk {

struct ChartCaption {
  // The window's own line: the population, its N, and the n and R the run really uses.
  std::string populationLine;
  // Means in the chart, when fewer than R: a step-by-step run under way.
  std::int32_t shown = 0;
  bool partial = false;
  std::string seedLine;                   // the window's own line about the seed of the run
  std::array<std::string, 7> statistics;  // the panel's captions, left to right
};

// The panel's names of the seven statistics, left to right.
inline constexpr std::array<const char*, 7> kStatisticNames{"Mínimo", "Q1",    "Mediana", "Q3",
                                                            "Máximo", "Média", "dp"};

// Two lines: where the means came from, then the statistics.
std::vector<std::string> captionLines(const ChartCaption& caption);

}  // namespace varnesk
