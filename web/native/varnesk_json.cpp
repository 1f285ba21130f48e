// varnesk-json: the browser edition's calls run natively, so that a test holds the WebAssembly
// module to the same bytes. Reads one call a line on standard input, its name and arguments
// separated by tabs, as the worker names them ("Simulation" makes the session,
// "Simulation.load" calls it; a population's bytes are named by their file); writes one line per
// call: the answer as a JSON string literal (a number or true/false for the calls that answer one,
// null for a constructor). The population is written into the folder given as the one argument.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "comparison_session.h"
#include "configuration_session.h"
#include "engine/window_menu.h"
#include "json_writer.h"
#include "layout/window_layouts.h"
#include "layout/zoom_steps.h"
#include "module_functions.h"
#include "module_population.h"
#include "population_session.h"
#include "simulation_session.h"

namespace varnesk {
namespace {

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> out(1);
  for (const char c : line) {
    if (c == '\t')
      out.emplace_back();
    else
      out.back() += c;
  }
  return out;
}

using Args = std::vector<std::string>;

// The bytes the page would hand over, from the file a call names.
std::string fileBytes(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::string text(const std::string& s) { return jsonString(s); }
std::string number(double value) { return JsonWriter().value(value).take(); }

struct Interpreter {
  std::unique_ptr<ModulePopulation> population;
  std::unique_ptr<ConfigurationSession> configuration;
  std::unique_ptr<SimulationSession> simulation;
  std::unique_ptr<ComparisonSession> comparison;
  std::unique_ptr<PopulationSession> populationView;

  using Call = std::function<std::string(const Args&)>;
  const std::map<std::string, Call> calls{
      {"setPopulation",
       [this](const Args& a) {
         const std::string bytes = fileBytes(a.at(0));
         return population->setProgramOwn(bytes) ? "true" : "false";
       }},
      {"previewPopulation",
       [this](const Args& a) {
         return text(population->preview(fileBytes(a.at(0)), a.at(1), a.at(2)));
       }},
      {"choosePopulation",
       [this](const Args& a) {
         return text(population->choose(fileBytes(a.at(0)), a.at(1), a.at(2), a.at(3)));
       }},
      {"useProgramPopulation", [this](const Args&) { return text(population->useProgramOwn()); }},
      {"layout", [](const Args& a) { return text(layoutJson(a.at(0))); }},
      {"menu", [](const Args& a) { return text(menuJson(a.at(0))); }},
      {"menuBar", [](const Args& a) { return text(menuBarJson(a.at(0))); }},
      {"zoomStep",
       [](const Args& a) {
         return number(zoomStep(a.at(0), std::stod(a.at(1)), std::stod(a.at(2)), std::stod(a.at(3)),
                                std::stod(a.at(4)), std::stod(a.at(5))));
       }},
      {"fullScreen",
       [](const Args& a) {
         return text(fullScreenJson(std::stod(a.at(0)), std::stod(a.at(1)), std::stod(a.at(2)),
                                    std::stod(a.at(3))));
       }},
      {"evenLineWidth",
       [](const Args& a) { return number(evenLineWidth(std::stod(a.at(0)), std::stod(a.at(1)))); }},
      {"aboutText", [](const Args&) { return text(aboutText()); }},
      {"centredOnScreen",
       [](const Args& a) {
         return number(centredOnScreen(std::stof(a.at(0)), std::stof(a.at(1))));
       }},
      {"Configuration",
       [this](const Args&) {
         configuration = std::make_unique<ConfigurationSession>();
         return "null";
       }},
      {"Configuration.instantClicked",
       [this](const Args& a) { return text(configuration->instantClicked(a.at(0), a.at(1))); }},
      {"Configuration.stepByStepClicked",
       [this](const Args& a) { return text(configuration->stepByStepClicked(a.at(0), a.at(1))); }},
      {"Simulation",
       [this](const Args& a) {
         simulation = std::make_unique<SimulationSession>(a.at(0), a.at(1), a.at(2),
                                                          fixedTextMeasure, population->source());
         return "null";
       }},
      {"Simulation.load",
       [this](const Args& a) { return text(simulation->load(a.at(0), a.at(1))); }},
      {"Simulation.simulate", [this](const Args&) { return text(simulation->simulate()); }},
      {"Simulation.simulateMany",
       [this](const Args& a) { return text(simulation->simulateMany(std::stoi(a.at(0)))); }},
      {"Simulation.showNormalCurve",
       [this](const Args& a) { return text(simulation->showNormalCurve(a.at(0) == "true")); }},
      {"Simulation.setSeed",
       [this](const Args& a) { return text(simulation->setSeed(a.empty() ? "" : a.at(0))); }},
      {"Simulation.playPause", [this](const Args&) { return text(simulation->playPause()); }},
      {"Simulation.model", [this](const Args&) { return text(simulation->model()); }},
      {"Simulation.drawing", [this](const Args&) { return text(simulation->drawing()); }},
      {"Simulation.picture", [this](const Args&) { return text(simulation->picture()); }},
      {"Simulation.meansCsv", [this](const Args&) { return text(simulation->meansCsv()); }},
      {"Simulation.tabulatedStatistics",
       [this](const Args&) { return text(simulation->tabulatedStatistics()); }},
      {"Simulation.seedLine", [this](const Args&) { return text(simulation->seedLine()); }},
      {"Simulation.seed", [this](const Args&) { return text(simulation->seed()); }},
      {"Simulation.means", [this](const Args&) { return text(simulation->means()); }},
      {"Simulation.svg", [this](const Args&) { return text(simulation->svg()); }},
      {"Simulation.nothingToSave",
       [this](const Args&) { return text(simulation->nothingToSave()); }},
      {"Simulation.population",
       [this](const Args& a) { return text(simulation->population(a.at(0) == "true")); }},
      {"Simulation.populationChart",
       [this](const Args& a) {
         return text(simulation->populationChart(std::stod(a.at(0)), std::stod(a.at(1))));
       }},
      {"Population",
       [this](const Args& a) {
         populationView =
             std::make_unique<PopulationSession>(a.at(0), fixedTextMeasure, population->source());
         return "null";
       }},
      {"Population.load", [this](const Args&) { return text(populationView->load()); }},
      {"Population.chart",
       [this](const Args& a) {
         return text(populationView->chart(std::stod(a.at(0)), std::stod(a.at(1))));
       }},
      {"Comparison",
       [this](const Args& a) {
         comparison = std::make_unique<ComparisonSession>(a.at(0), a.at(1), population->source());
         return "null";
       }},
      {"Comparison.compare",
       [this](const Args& a) { return text(comparison->compare(a.at(0), a.at(1))); }},
      {"Comparison.start",
       [this](const Args& a) { return text(comparison->start(a.at(0), a.at(1))); }},
      {"Comparison.step", [this](const Args&) { return text(comparison->step()); }},
      {"Comparison.finish", [this](const Args&) { return text(comparison->finish()); }},
      {"Comparison.cancel", [this](const Args&) { return text(comparison->cancel()); }},
      {"Comparison.nothingToSave",
       [this](const Args&) { return text(comparison->nothingToSave()); }},
      {"Comparison.resultsCsv", [this](const Args&) { return text(comparison->resultsCsv()); }},
      {"Comparison.chart",
       [this](const Args& a) {
         return text(comparison->chart(std::stod(a.at(0)), std::stod(a.at(1))));
       }},
      {"Comparison.populationLine",
       [this](const Args&) { return text(comparison->populationLine()); }},
  };

  std::string call(const std::string& name, const Args& args) const {
    const auto found = calls.find(name);
    if (found == calls.end()) throw std::invalid_argument("chamada desconhecida: " + name);
    return found->second(args);
  }
};

}  // namespace
}  // namespace varnesk

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("uso: varnesk-json PASTA < chamadas\n", stderr);
    return 2;
  }
  varnesk::Interpreter interpreter;
  interpreter.population = std::make_unique<varnesk::ModulePopulation>(argv[1]);
  std::string line;
  while (std::getline(std::cin, line)) {
    std::vector<std::string> f = varnesk::fields(line);
    const std::string name = f.front();
    f.erase(f.begin());
    try {
      std::cout << interpreter.call(name, f) << '\n';
    } catch (const std::exception& e) {
      std::cerr << name << ": " << e.what() << '\n';
      return 1;
    }
  }
  return 0;
}
