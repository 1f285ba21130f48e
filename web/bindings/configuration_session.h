#pragma once
// The page's configuration screen (Form3): its two buttons' checks, answered with the window
// to open and the events to replay.
#include <string>

#include "recording_platform.h"

namespace varnesk {

class ConfigurationSession {
 public:
  std::string instantClicked(const std::string& sampleSize, const std::string& repetitions);
  std::string stepByStepClicked(const std::string& sampleSize, const std::string& repetitions);

 private:
  RecordingPlatform platform_;
};

}  // namespace varnesk
