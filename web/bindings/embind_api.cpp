// The module's interface to the page's worker, as embind exposes it: thin calls into the
// sessions, every answer a JSON text (or a plain text to save, copy or show). The only file
// that knows emscripten; the rest of web/bindings builds natively as well, into varnesk-json.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

#include "comparison_session.h"
#include "configuration_session.h"
#include "engine/window_menu.h"
#include "layout/window_layouts.h"
#include "layout/zoom_steps.h"
#include "module_functions.h"
#include "module_population.h"
#include "population_session.h"
#include "simulation_session.h"

namespace varnesk {
namespace {

using emscripten::val;

// What the windows read at each Load, as the desktop program reads its chosen file: files in
// the module's own memory.
ModulePopulation& modulePopulation() {
  static ModulePopulation chosen("/");
  return chosen;
}

// The measure for the sessions made without one of their own; none: the fixed one.
val& moduleMeasure() {
  static val measure = val::undefined();
  return measure;
}

// The page may pass what a text box holds as a string or as a number.
std::string text(const val& value) {
  return value.isString() ? value.as<std::string>()
                          : val::global("String")(value).as<std::string>();
}

// A JS function from a caption to {width, height} in twips.
TextMeasure measureFrom(const val& function) {
  const val chosen = function.isUndefined() || function.isNull() ? moduleMeasure() : function;
  if (chosen.isUndefined() || chosen.isNull()) return fixedTextMeasure;
  return [chosen](const std::string& caption) {
    const val size = chosen(caption);
    return SizeF{size["width"].as<float>(), size["height"].as<float>()};
  };
}

// embind hands a std::string to JS through a UTF-8 TextDecoder, which drops a leading
// byte-order mark; the means' CSV starts with one to tell a spreadsheet its encoding, so the
// mark is put back in front.
val textKeepingMark(const std::string& bytes) {
  static const std::string kMark = "\xEF\xBB\xBF";
  if (bytes.compare(0, kMark.size(), kMark) != 0) return val(bytes);
  return val::global("String")
      .call<val>("fromCharCode", 0xFEFF)
      .call<val>("concat", val(bytes.substr(kMark.size())));
}

bool setPopulation(const std::string& bytes, const val& /*name: the file is read by its place*/) {
  return modulePopulation().setProgramOwn(bytes);
}

std::string previewPopulation(const std::string& bytes, const std::string& name,
                              const std::string& commas) {
  return modulePopulation().preview(bytes, name, commas);
}

std::string choosePopulation(const std::string& bytes, const std::string& name,
                             const std::string& column, const std::string& commas) {
  return modulePopulation().choose(bytes, name, column, commas);
}

std::string useProgramPopulation() { return modulePopulation().useProgramOwn(); }

void setMeasure(const val& function) { moduleMeasure() = function; }

struct Simulation : SimulationSession {
  Simulation(const std::string& kind, const std::string& seed, const std::string& separator)
      : Simulation(kind, seed, separator, val::undefined()) {}
  Simulation(const std::string& kind, const std::string& seed, const std::string& separator,
             const val& measure)
      : SimulationSession(kind, seed, separator, measureFrom(measure),
                          modulePopulation().source()) {}
};

struct PopulationView : PopulationSession {
  explicit PopulationView(const std::string& separator)
      : PopulationView(separator, val::undefined()) {}
  PopulationView(const std::string& separator, const val& measure)
      : PopulationSession(separator, measureFrom(measure), modulePopulation().source()) {}
};

struct Comparison : ComparisonSession {
  Comparison(const std::string& seed, const std::string& separator)
      : ComparisonSession(seed, separator, modulePopulation().source()) {}
};

}  // namespace
}  // namespace varnesk

EMSCRIPTEN_BINDINGS(varnesk_core) {
  using namespace varnesk;
  using emscripten::optional_override;
  emscripten::function("setPopulation", &setPopulation);
  emscripten::function("previewPopulation", &previewPopulation);
  emscripten::function("choosePopulation", &choosePopulation);
  emscripten::function("useProgramPopulation", &useProgramPopulation);
  emscripten::function("setMeasure", &setMeasure);
  emscripten::function("layout", &layoutJson);
  emscripten::function("menu", &menuJson);
  emscripten::function("menuBar", &menuBarJson);
  emscripten::function("zoomStep", &zoomStep);
  emscripten::function("fullScreen", &fullScreenJson);
  emscripten::function("evenLineWidth", &evenLineWidth);
  emscripten::function("aboutText", &aboutText);
  emscripten::function("centredOnScreen", &centredOnScreen);

  emscripten::class_<ConfigurationSession>("Configuration")
      .constructor<>()
      .function("instantClicked",
                optional_override([](ConfigurationSession& s, const val& n, const val& r) {
                  return s.instantClicked(text(n), text(r));
                }))
      .function("stepByStepClicked",
                optional_override([](ConfigurationSession& s, const val& n, const val& r) {
                  return s.stepByStepClicked(text(n), text(r));
                }));

  emscripten::class_<Simulation>("Simulation")
      .constructor<std::string, std::string, std::string>()
      .constructor<std::string, std::string, std::string, val>()
      .function("load", optional_override([](Simulation& s, const val& n, const val& r) {
                  return s.load(text(n), text(r));
                }))
      .function("simulate", optional_override([](Simulation& s) { return s.simulate(); }))
      .function("simulateMany",
                optional_override([](Simulation& s, int times) { return s.simulateMany(times); }))
      .function("showNormalCurve",
                optional_override([](Simulation& s, bool show) { return s.showNormalCurve(show); }))
      .function("setSeed", optional_override([](Simulation& s, const val& seed) {
                  return s.setSeed(text(seed));
                }))
      .function("playPause", optional_override([](Simulation& s) { return s.playPause(); }))
      .function("model", optional_override([](const Simulation& s) { return s.model(); }))
      .function("drawing", optional_override([](const Simulation& s) { return s.drawing(); }))
      .function("picture", optional_override([](const Simulation& s) { return s.picture(); }))
      .function("meansCsv", optional_override(
                                [](const Simulation& s) { return textKeepingMark(s.meansCsv()); }))
      .function("tabulatedStatistics",
                optional_override([](const Simulation& s) { return s.tabulatedStatistics(); }))
      .function("seedLine", optional_override([](const Simulation& s) { return s.seedLine(); }))
      .function("seed", optional_override([](const Simulation& s) { return s.seed(); }))
      .function("means", optional_override([](const Simulation& s) { return s.means(); }))
      .function("svg", optional_override([](const Simulation& s) { return s.svg(); }))
      .function("nothingToSave", optional_override([](Simulation& s) { return s.nothingToSave(); }))
      .function("population",
                optional_override([](Simulation& s, bool sample) { return s.population(sample); }))
      .function("populationChart",
                optional_override([](const Simulation& s, double width, double height) {
                  return s.populationChart(width, height);
                }));

  emscripten::class_<PopulationView>("Population")
      .constructor<std::string>()
      .constructor<std::string, val>()
      .function("load", optional_override([](PopulationView& s) { return s.load(); }))
      .function("chart", optional_override([](const PopulationView& s, double width,
                                              double height) { return s.chart(width, height); }));

  emscripten::class_<Comparison>("Comparison")
      .constructor<std::string, std::string>()
      .function("compare", optional_override([](Comparison& s, const val& sizes, const val& r) {
                  return s.compare(text(sizes), text(r));
                }))
      .function("start", optional_override([](Comparison& s, const val& sizes, const val& r) {
                  return s.start(text(sizes), text(r));
                }))
      .function("step", optional_override([](Comparison& s) { return s.step(); }))
      .function("finish", optional_override([](Comparison& s) { return s.finish(); }))
      .function("cancel", optional_override([](Comparison& s) { return s.cancel(); }))
      .function("nothingToSave", optional_override([](Comparison& s) { return s.nothingToSave(); }))
      .function("resultsCsv", optional_override([](const Comparison& s) {
                  return textKeepingMark(s.resultsCsv());
                }))
      .function("populationLine",
                optional_override([](const Comparison& s) { return s.populationLine(); }))
      .function("chart", optional_override([](const Comparison& s, double width, double height) {
                  return s.chart(width, height);
                }));
}
