#include "simulation_session.h"

#include "chart/chart_drawing.h"
#include "common/messages.h"
#include "core_json.h"
#include "engine/captioned_picture.h"
#include "engine/sampling_run.h"
#include "layout/window_layouts.h"
#include "seed_source.h"

namespace varnesk {

SimulationSession::SimulationSession(const std::string& kind, const std::string& seed,
                                     const std::string& separator, TextMeasure measure,
                                     PopulationSource population)
    : window_(kind == "Form4" ? WindowKind::StepByStep : WindowKind::Instant,
              {platform_, measure, decimalSeparator(separator), std::move(population),
               seedSource(seed)}),
      populationView_(decimalSeparator(separator), measure) {}

std::string SimulationSession::eventsAndModel() {
  JsonWriter json;
  json.beginObject().key("events");
  writeEvents(json, platform_.take());
  json.key("model");
  writeModel(json, window_.model(), window_.classTable());
  return json.endObject().take();
}

std::string SimulationSession::load(const std::string& sampleSize, const std::string& repetitions) {
  return okEventsAndModel(window_.Load(sampleSize, repetitions));
}

std::string SimulationSession::setSeed(const std::string& text) {
  return okEventsAndModel(window_.setSeed(text));
}

std::string SimulationSession::playPause() {
  window_.playPause();
  return eventsAndModel();
}

std::string SimulationSession::okEventsAndModel(bool ok) {
  JsonWriter json;
  json.beginObject().key("ok").value(ok).key("events");
  writeEvents(json, platform_.take());
  json.key("model");
  writeModel(json, window_.model(), window_.classTable());
  return json.endObject().take();
}

std::string SimulationSession::simulate() {
  window_.simulate();
  return eventsAndModel();
}

std::string SimulationSession::simulateMany(int times) {
  window_.simulateMany(times);
  return eventsAndModel();
}

std::string SimulationSession::showNormalCurve(bool show) {
  window_.showNormalCurve(show);
  return eventsAndModel();
}

std::string SimulationSession::model() const {
  JsonWriter json;
  writeModel(json, window_.model(), window_.classTable());
  return json.take();
}

std::string SimulationSession::drawing() const {
  JsonWriter json;
  writeDrawing(json, drawChart(window_.model().chart, simulationLayout(window_.traits().kind)));
  return json.take();
}

std::string SimulationSession::picture() const {
  const CaptionedPicture picture = captionedPicture(window_);
  JsonWriter json;
  json.beginObject().key("region");
  writeBox(json, picture.region);
  json.key("drawing");
  writeDrawing(json, picture.drawing);
  return json.endObject().take();
}

std::string SimulationSession::svg() const { return chartSvg(window_); }

std::string SimulationSession::nothingToSave() {
  const bool nothing = !hasChartToSave(window_);
  if (nothing) platform_.showMessage(std::string(messages::kNothingToSave));
  JsonWriter json;
  json.beginObject().key("nothing").value(nothing).key("events");
  writeEvents(json, platform_.take());
  return json.endObject().take();
}

std::string SimulationSession::population(bool sample) {
  populationView_.show(window_.population(), window_.populationFormat(),
                       window_.populationSource().name());
  if (sample) populationView_.showSample(window_.latestSample());
  JsonWriter json;
  writePopulationView(json, true, populationView_);
  return json.take();
}

std::string SimulationSession::populationChart(double width, double height) const {
  JsonWriter json;
  writeDrawing(json, populationView_.chart(width, height));
  return json.take();
}

std::string SimulationSession::means() const {
  const SamplingRun& run = window_.run();
  JsonWriter json;
  json.beginArray();
  for (std::int32_t r = 1; r <= run.sortedMeans.ContagemOrdenadas; ++r)
    json.value(run.Medias[static_cast<std::size_t>(r)]);
  return json.endArray().take();
}

}  // namespace varnesk
