#include "population_session.h"

#include "core_json.h"
#include "seed_source.h"

namespace varnesk {

PopulationSession::PopulationSession(const std::string& separator, TextMeasure measure,
                                     PopulationSource population)
    : population_(std::move(population)),
      window_(decimalSeparator(separator), std::move(measure)) {}

std::string PopulationSession::load() {
  const bool ok = window_.Load(population_);
  JsonWriter json;
  writePopulationView(json, ok, window_);
  return json.take();
}

std::string PopulationSession::chart(double width, double height) const {
  JsonWriter json;
  writeDrawing(json, window_.chart(width, height));
  return json.take();
}

}  // namespace varnesk
