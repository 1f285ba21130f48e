#include "window_session.h"

#include "common/messages.h"
#include "seed_source.h"

namespace varnesk {

WindowEnvironment WindowSession::environment(const std::string& seed, const std::string& separator,
                                             TextMeasure measure, PopulationSource population) {
  return {platform_, std::move(measure), decimalSeparator(separator), std::move(population),
          seedSource(seed)};
}

std::string WindowSession::eventsAndControls(const WindowLogic& logic, std::optional<bool> ok) {
  JsonWriter json;
  json.beginObject();
  if (ok) json.key("ok").value(*ok);
  json.key("events");
  writeEvents(json, platform_.take());
  json.key("controls");
  writeControls(json, logic.controls());
  return json.endObject().take();
}

std::string WindowSession::okAndControls(bool ok, const WindowLogic& logic) {
  JsonWriter json;
  json.beginObject().key("ok").value(ok).key("controls");
  writeControls(json, logic.controls());
  return json.endObject().take();
}

std::string WindowSession::nothingToSaveAnswer(bool nothing) {
  if (nothing) platform_.showMessage(std::string(messages::kNothingToSave));
  JsonWriter json;
  json.beginObject().key("nothing").value(nothing).key("events");
  writeEvents(json, platform_.take());
  return json.endObject().take();
}

std::string WindowSession::tonesAnswer(const WindowLogic& logic) {
  const std::vector<Tone> tones = logic.tones();
  if (tones.empty()) platform_.showMessage(std::string(messages::kNothingToHear));
  JsonWriter json;
  json.beginObject().key("tones").beginArray();
  for (const Tone& tone : tones)
    json.beginObject()
        .key("frequency")
        .value(tone.frequency)
        .key("seconds")
        .value(tone.seconds)
        .endObject();
  json.endArray().key("events");
  writeEvents(json, platform_.take());
  return json.endObject().take();
}

std::string WindowSession::controlsOf(const WindowLogic& logic) {
  JsonWriter json;
  writeControls(json, logic.controls());
  return json.take();
}

std::string WindowSession::drawingOf(const DrawingList& drawing) {
  JsonWriter json;
  writeDrawing(json, drawing);
  return json.take();
}

}  // namespace varnesk
