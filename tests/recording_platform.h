#pragma once
// What the core tests and the fuzz targets share: a platform that records what the window logic
// asks of it, a fixed text measure, and a population of given values.
#include <algorithm>
#include <string>
#include <vector>

#include "engine/population.h"
#include "engine/simulation_window.h"

namespace varnesk::support {

struct RecordingPlatform : Platform {
  void showMessage(const std::string& text) override { events.push_back("message: " + text); }
  void setFocus(const std::string& name) override { events.push_back("focus: " + name); }
  void setBusy(bool busy) override { events.push_back(busy ? "busy" : "idle"); }
  std::vector<std::string> events;
};

// Every character 90 twips wide and 195 high, as a "0" in the default font.
inline SizeF fixedMeasure(const std::string& text) { return {90.0f * text.size(), 195.0f}; }

inline Population populationOf(const std::vector<double>& values) {
  Population p;
  std::copy(values.begin(), values.end(), p.Populacao.begin() + 1);
  p.TamanhoPopulacao = static_cast<std::int32_t>(values.size());
  return p;
}

}  // namespace varnesk::support
