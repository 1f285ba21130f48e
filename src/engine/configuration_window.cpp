#include "engine/configuration_window.h"

#include "engine/configuration.h"
#include "layout/window_layouts.h"

namespace varnesk {
namespace {

std::string windowName(WindowToOpen open) {
  switch (open) {
    case WindowToOpen::Instant: return simulationLayout(WindowKind::Instant).name;
    case WindowToOpen::StepByStep: return simulationLayout(WindowKind::StepByStep).name;
    case WindowToOpen::None: break;
  }
  return {};
}

}  // namespace

std::string ConfigurationWindow::instantClicked(const std::string& sampleSize,
                                                const std::string& repetitions) {
  return windowName(varnesk::instantClicked(sampleSize, repetitions, platform_));
}

std::string ConfigurationWindow::stepByStepClicked(const std::string& sampleSize,
                                                   const std::string& repetitions) {
  return windowName(varnesk::stepByStepClicked(sampleSize, repetitions, platform_));
}

}  // namespace varnesk
