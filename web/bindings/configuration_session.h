#pragma once
// The page's configuration screen (Form3): its two buttons' checks, answered with the window
// to open and the events to replay.
#include <memory>
#include <string>

#include "engine/configuration_window.h"
#include "window_session.h"

namespace varnesk {

class ConfigurationSession : public WindowSession {
 public:
  ConfigurationSession();

  // {"open": "form1", "Form4" or "none", "events"}
  std::string instantClicked(const std::string& sampleSize, const std::string& repetitions);
  std::string stepByStepClicked(const std::string& sampleSize, const std::string& repetitions);

 private:
  std::string answer(const std::string& open);
  std::unique_ptr<ConfigurationWindow> window_;
};

}  // namespace varnesk
