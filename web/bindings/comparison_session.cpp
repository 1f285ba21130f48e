#include "comparison_session.h"

#include "core_json.h"
#include "seed_source.h"

namespace varnesk {

ComparisonSession::ComparisonSession(const std::string& seed, const std::string& separator,
                                     std::filesystem::path populationFile)
    : window_(platform_, PopulationSource{std::move(populationFile), {}}, seedSource(seed), decimalSeparator(separator)) {
}

std::string ComparisonSession::compare(const std::string& sampleSizes,
                                       const std::string& repetitions) {
  window_.SampleSizesTXT.text = sampleSizes;
  window_.RepetitionsTXT.text = repetitions;
  window_.compare();
  JsonWriter json;
  json.beginObject().key("events");
  writeEvents(json, platform_.take());
  json.key("results");
  writeComparisonRows(json, window_.results());
  json.key("population").value(window_.PopulationLBL.caption);
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
