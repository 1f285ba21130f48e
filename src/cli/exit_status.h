#pragma once
// How varnesk-sim ends, as scripts and the README know it.
#include <iostream>
#include <string_view>

namespace varnesk {

enum class ExitStatus {
  Done = 0,
  PopulationRefused = 1,  // the population could not be loaded, or is smaller than the sample
  BadInput = 2,           // an input out of range, or a usage error
};

// The message and a line end on the standard error; the status to end with.
inline ExitStatus refuse(ExitStatus status, std::string_view message) {
  std::cerr << message << '\n';
  return status;
}

}  // namespace varnesk
