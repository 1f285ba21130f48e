#include "configuration_session.h"

#include "engine/window_registry.h"

namespace varnesk {

ConfigurationSession::ConfigurationSession()
    : window_(makeLogic<ConfigurationWindow>("Form3", environment("", ".", nullptr, {}))) {}

std::string ConfigurationSession::answer(const std::string& open) {
  JsonWriter json;
  json.beginObject().key("open").value(open.empty() ? "none" : open).key("events");
  writeEvents(json, platform_.take());
  return json.endObject().take();
}

std::string ConfigurationSession::instantClicked(const std::string& sampleSize,
                                                 const std::string& repetitions) {
  return answer(window_->instantClicked(sampleSize, repetitions));
}

std::string ConfigurationSession::stepByStepClicked(const std::string& sampleSize,
                                                    const std::string& repetitions) {
  return answer(window_->stepByStepClicked(sampleSize, repetitions));
}

}  // namespace varnesk
