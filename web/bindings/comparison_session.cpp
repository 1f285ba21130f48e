#include "comparison_session.h"

#include "common/messages.h"
#include "core_json.h"
#include "seed_source.h"

namespace varnesk {

ComparisonSession::ComparisonSession(const std::string& seed, const std::string& separator,
                                     PopulationSource population)
    : window_(platform_, std::move(population), seedSource(seed), decimalSeparator(separator)) {}

std::string ComparisonSession::compare(const std::string& sampleSizes,
                                       const std::string& repetitions) {
  window_.SampleSizesTXT.text = sampleSizes;
  window_.RepetitionsTXT.text = repetitions;
  window_.compare();
  return eventsAndResults();
}

std::string ComparisonSession::start(const std::string& sampleSizes,
                                     const std::string& repetitions) {
  window_.SampleSizesTXT.text = sampleSizes;
  window_.RepetitionsTXT.text = repetitions;
  run_ = window_.start();
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
  if (run_ && run_->done()) window_.finish(*run_);
  run_.reset();
  return eventsAndResults();
}

std::string ComparisonSession::eventsAndResults() {
  JsonWriter json;
  json.beginObject().key("events");
  writeEvents(json, platform_.take());
  json.key("results");
  writeComparisonRows(json, window_.results());
  json.key("population").value(window_.PopulationLBL.caption);
  return json.endObject().take();
}

std::string ComparisonSession::nothingToSave() {
  const bool nothing = window_.resultsCsv().empty();
  if (nothing) platform_.showMessage(std::string(messages::kNothingToSave));
  JsonWriter json;
  json.beginObject().key("nothing").value(nothing).key("events");
  writeEvents(json, platform_.take());
  return json.endObject().take();
}

std::string ComparisonSession::populationLine() const {
  JsonWriter json;
  json.value(window_.PopulationLBL.caption);
  return json.take();
}

std::string ComparisonSession::chart(double width, double height) const {
  JsonWriter json;
  writeDrawing(json, window_.chart(width, height));
  return json.take();
}

}  // namespace varnesk
