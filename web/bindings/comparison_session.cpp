#include "comparison_session.h"

#include "engine/window_registry.h"

namespace varnesk {

ComparisonSession::ComparisonSession(const std::string& seed, const std::string& separator,
                                     PopulationSource population)
    : window_(makeLogic<ComparisonWindow>(
          "ComparisonForm", environment(seed, separator, nullptr, std::move(population)))) {}

std::string ComparisonSession::compare(const std::string& sampleSizes,
                                       const std::string& repetitions) {
  window_->SampleSizesTXT.text = sampleSizes;
  window_->RepetitionsTXT.text = repetitions;
  window_->compare();
  return eventsAndControls(*window_);
}

std::string ComparisonSession::start(const std::string& sampleSizes,
                                     const std::string& repetitions) {
  window_->SampleSizesTXT.text = sampleSizes;
  window_->RepetitionsTXT.text = repetitions;
  run_ = window_->start();
  JsonWriter json;
  json.beginObject().key("events");
  writeEvents(json, platform_.take());
  json.key("total").value(run_ ? static_cast<long long>(run_->total()) : 0LL);
  return json.endObject().take();
}

std::string ComparisonSession::step() {
  if (run_) run_->runNext();
  JsonWriter json;
  json.beginObject()
      .key("completed")
      .value(run_ ? static_cast<long long>(run_->completed()) : 0LL)
      .key("total")
      .value(run_ ? static_cast<long long>(run_->total()) : 0LL);
  return json.endObject().take();
}

std::string ComparisonSession::finish() {
  if (run_) window_->finish(*run_);
  run_.reset();
  return eventsAndControls(*window_);
}

std::string ComparisonSession::nothingToSave() {
  return nothingToSaveAnswer(window_->resultsCsv().empty());
}

}  // namespace varnesk
