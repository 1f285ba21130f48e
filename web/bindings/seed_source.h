#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace varnesk {

// What seeds a window's generator, from the seed the page was given as text: that number at
// every Load, as `varnesk --semente` does, so that a class can redo a run; none when the text is
// empty or is not a 64-bit whole number: each run then picks a short seed of its own.
std::function<std::uint64_t()> seedSource(const std::string& text);

// The regional decimal separator the page passes: "," or else '.'.
char decimalSeparator(const std::string& text);

}  // namespace varnesk
