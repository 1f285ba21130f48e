#pragma once
// The logic of the configuration screen (Form3): its two buttons' checks, each answering the
// window to open. The screen keeps its two texts itself; the window it opens reads them at its
// Load.
#include <string>

#include "engine/window_environment.h"
#include "engine/window_logic.h"

namespace varnesk {

class ConfigurationWindow : public WindowLogic {
 public:
  explicit ConfigurationWindow(const WindowEnvironment& environment)
      : platform_(environment.platform) {}

  // Click of "Instantâneo" and of "Passo a Passo": the name of the window to open ("form1",
  // "Form4"), or "" after a refusal (its message shown, the focus on the box to correct).
  std::string instantClicked(const std::string& sampleSize, const std::string& repetitions);
  std::string stepByStepClicked(const std::string& sampleSize, const std::string& repetitions);

  ControlStates controls() const override { return {}; }

 private:
  Platform& platform_;
};

}  // namespace varnesk
