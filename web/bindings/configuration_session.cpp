#include "configuration_session.h"

#include "core_json.h"
#include "engine/configuration.h"

namespace varnesk {
namespace {

std::string answer(WindowToOpen open, RecordingPlatform& platform) {
  JsonWriter json;
  json.beginObject().key("open").value(open == WindowToOpen::Instant      ? "form1"
                                       : open == WindowToOpen::StepByStep ? "Form4"
                                                                          : "none");
  json.key("events");
  writeEvents(json, platform.take());
  return json.endObject().take();
}

}  // namespace

std::string ConfigurationSession::instantClicked(const std::string& sampleSize,
                                                 const std::string& repetitions) {
  return answer(varnesk::instantClicked(sampleSize, repetitions, platform_), platform_);
}

std::string ConfigurationSession::stepByStepClicked(const std::string& sampleSize,
                                                    const std::string& repetitions) {
  return answer(varnesk::stepByStepClicked(sampleSize, repetitions, platform_), platform_);
}

}  // namespace varnesk
