#pragma once
// The lines under a window's panel that tell the teacher what is on screen: which population,
// the sample size and repetitions the run really uses (a typed "10.000" is read as 10, and the
// line shows it), what theory expects of the means' spread, and how far a step-by-step run has
// got. Whole numbers are grouped by thousands as the regional settings group them.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace varnesk {

// The whole number a text box's reading stands for in a run: its integer part, 0 for what is
// not a positive number, and never past what a counter can hold.
long long wholeShown(double value);

// "População: populacao.txt (N = 50.000) · n = 10 · R = 1.000"; several sizes are listed
// ("n = 10, 100, 1.000").
std::string populationLine(std::string_view name, std::int32_t size,
                           std::span<const std::int32_t> sampleSizes, long long repetitions,
                           char separator);
// Before the population has been read: its name alone. A name too long for the line is cut in
// its middle.
std::string populationLine(std::string_view name);

// "Erro padrão teórico: 0,123", in the panel's own pattern so that it reads beside dp.
std::string standardErrorLine(double correctedSe, char separator);

// "Médias mostradas: 37 de 1.000".
std::string progressLine(long long shown, long long total, char separator);

}  // namespace varnesk
