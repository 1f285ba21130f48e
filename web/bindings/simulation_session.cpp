#include "simulation_session.h"

#include "engine/captioned_picture.h"
#include "engine/sampling_run.h"
#include "engine/window_registry.h"

namespace varnesk {

SimulationSession::SimulationSession(const std::string& window, const std::string& seed,
                                     const std::string& separator, TextMeasure measure,
                                     PopulationSource population)
    : window_(makeLogic<SimulationWindow>(
          window, environment(seed, separator, measure, std::move(population)))),
      populationView_(
          makeLogic<PopulationWindow>("PopulationForm", environment("", separator, measure, {}))) {}

std::string SimulationSession::load(const std::string& sampleSize, const std::string& repetitions) {
  const bool ok = window_->Load(sampleSize, repetitions);
  return eventsAndControls(*window_, ok);
}

std::string SimulationSession::setSeed(const std::string& text) {
  const bool ok = window_->setSeed(text);
  return eventsAndControls(*window_, ok);
}

std::string SimulationSession::playPause() {
  window_->playPause();
  return eventsAndControls(*window_);
}

std::string SimulationSession::simulate() {
  window_->simulate();
  return eventsAndControls(*window_);
}

std::string SimulationSession::simulateMany(int times) {
  window_->simulateMany(times);
  return eventsAndControls(*window_);
}

std::string SimulationSession::showNormalCurve(bool show) {
  window_->showNormalCurve(show);
  return eventsAndControls(*window_);
}

std::string SimulationSession::showPopulationMean(bool show) {
  window_->showPopulationMean(show);
  return eventsAndControls(*window_);
}

std::string SimulationSession::restart() {
  window_->restart();
  return eventsAndControls(*window_);
}

std::string SimulationSession::picture() const {
  const CaptionedPicture picture = captionedPicture(*window_);
  JsonWriter json;
  json.beginObject().key("region");
  writeBox(json, picture.region);
  json.key("drawing");
  writeDrawing(json, picture.drawing);
  return json.endObject().take();
}

std::string SimulationSession::svg() const { return chartSvg(*window_); }

std::string SimulationSession::nothingToSave() {
  return nothingToSaveAnswer(!hasChartToSave(*window_));
}

std::string SimulationSession::population(bool sample) {
  populationView_->show(window_->population(), window_->populationFormat(),
                        window_->populationSource().name());
  if (sample) populationView_->showSample(window_->latestSample());
  return okAndControls(true, *populationView_);
}

std::string SimulationSession::means() const {
  const SamplingRun& run = window_->run();
  JsonWriter json;
  json.beginArray();
  for (std::int32_t r = 1; r <= run.sortedMeans.ContagemOrdenadas; ++r)
    json.value(run.Medias[static_cast<std::size_t>(r)]);
  return json.endArray().take();
}

}  // namespace varnesk
