// varnesk-json: the browser edition's calls run natively, so that a test holds the WebAssembly
// module to the same bytes. Reads one call a line on standard input, its name and arguments
// separated by tabs, as the worker names them ("Simulation" makes the session,
// "Simulation.load" calls it); writes one line per call: the answer as a JSON string literal
// (a number or true/false for the calls that answer one, null for a constructor). The
// population is written into the folder given as the one argument.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "comparison_session.h"
#include "configuration_session.h"
#include "json_writer.h"
#include "layout/window_layouts.h"
#include "module_functions.h"
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

struct Interpreter {
  std::filesystem::path populationFile;
  std::unique_ptr<ConfigurationSession> configuration;
  std::unique_ptr<SimulationSession> simulation;
  std::unique_ptr<ComparisonSession> comparison;

  using Args = std::vector<std::string>;
  static std::string text(std::string s) { return jsonString(s); }
  static std::string number(double value) { return JsonWriter().value(value).take(); }

  std::string call(const std::string& name, const Args& a) {
    const std::map<std::string, std::function<std::string()>> calls{
        {"setPopulation",
         [&] {
           std::ifstream in(a.at(0), std::ios::binary);
           const std::string bytes((std::istreambuf_iterator<char>(in)), {});
           return writePopulation(populationFile, bytes) ? "true" : "false";
         }},
        {"layout", [&] { return text(layoutJson(a.at(0))); }},
        {"menu", [&] { return text(menuJson(a.at(0))); }},
        {"centredOnScreen",
         [&] { return number(centredOnScreen(std::stof(a.at(0)), std::stof(a.at(1)))); }},
        {"Configuration",
         [&] {
           configuration = std::make_unique<ConfigurationSession>();
           return "null";
         }},
        {"Configuration.instantClicked", [&] { return text(configuration->instantClicked(a.at(0), a.at(1))); }},
        {"Configuration.stepByStepClicked",
         [&] { return text(configuration->stepByStepClicked(a.at(0), a.at(1))); }},
        {"Simulation",
         [&] {
           simulation = std::make_unique<SimulationSession>(a.at(0), a.at(1), a.at(2), fixedTextMeasure,
                                                            populationFile);
           return "null";
         }},
        {"Simulation.load", [&] { return text(simulation->load(a.at(0), a.at(1))); }},
        {"Simulation.simulate", [&] { return text(simulation->simulate()); }},
        {"Simulation.simulateMany", [&] { return text(simulation->simulateMany(std::stoi(a.at(0)))); }},
        {"Simulation.showNormalCurve", [&] { return text(simulation->showNormalCurve(a.at(0) == "true")); }},
        {"Simulation.model", [&] { return text(simulation->model()); }},
        {"Simulation.drawing", [&] { return text(simulation->drawing()); }},
        {"Simulation.picture", [&] { return text(simulation->picture()); }},
        {"Simulation.meansCsv", [&] { return text(simulation->meansCsv()); }},
        {"Simulation.tabulatedStatistics", [&] { return text(simulation->tabulatedStatistics()); }},
        {"Simulation.seedLine", [&] { return text(simulation->seedLine()); }},
        {"Simulation.means", [&] { return text(simulation->means()); }},
        {"Comparison",
         [&] {
           comparison = std::make_unique<ComparisonSession>(a.at(0), a.at(1), populationFile);
           return "null";
         }},
        {"Comparison.compare", [&] { return text(comparison->compare(a.at(0), a.at(1))); }},
        {"Comparison.chart",
         [&] { return text(comparison->chart(std::stod(a.at(0)), std::stod(a.at(1)))); }},
    };
    const auto found = calls.find(name);
    if (found == calls.end()) throw std::invalid_argument("chamada desconhecida: " + name);
    return found->second();
  }
};

}  // namespace
}  // namespace varnesk

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("uso: varnesk-json PASTA < chamadas\n", stderr);
    return 2;
  }
  varnesk::Interpreter interpreter{std::filesystem::path(argv[1]) / "populacao.txt", {}, {}, {}};
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
