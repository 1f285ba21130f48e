#pragma once
// What the core tests and the fuzz targets share: what the recording platform holds as text, a
// fixed text measure, and a population of given values.
#include <algorithm>
#include <string>
#include <vector>

#include "engine/population.h"
#include "engine/recording_platform.h"
#include "engine/simulation_window.h"

namespace varnesk::support {

// What the logic asked of the platform so far, one short line each: "message: …", "focus: …",
// "busy", "idle".
inline std::vector<std::string> texts(const RecordingPlatform& platform) {
  std::vector<std::string> out;
  for (const FrontEndEvent& e : platform.events())
    out.push_back(e.type == FrontEndEvent::Type::Message ? "message: " + e.text
                  : e.type == FrontEndEvent::Type::Focus ? "focus: " + e.text
                  : e.on                                 ? "busy"
                                                         : "idle");
  return out;
}

// Every character 90 twips wide and 195 high, as a "0" in the default font.
inline SizeF fixedMeasure(const std::string& text) { return {90.0f * text.size(), 195.0f}; }

inline Population populationOf(const std::vector<double>& values) {
  Population p;
  std::copy(values.begin(), values.end(), p.Populacao.begin() + 1);
  p.TamanhoPopulacao = static_cast<std::int32_t>(values.size());
  return p;
}

}  // namespace varnesk::support
