#include "engine/window_registry.h"

#include <algorithm>
#include <array>

#include "engine/comparison_window.h"
#include "engine/configuration_window.h"
#include "engine/interval_window.h"
#include "engine/planner_window.h"
#include "engine/population_window.h"
#include "engine/simulation_window.h"
#include "layout/window_layouts.h"

namespace varnesk {
namespace {

template <class Logic>
std::unique_ptr<WindowLogic> make(const WindowEnvironment& environment) {
  return std::make_unique<Logic>(environment);
}

template <WindowKind kind>
std::unique_ptr<WindowLogic> makeSimulation(const WindowEnvironment& environment) {
  return std::make_unique<SimulationWindow>(kind, environment);
}

template <WindowKind kind>
const WindowLayout& simulationLayoutOf() {
  return simulationLayout(kind);
}

template <WindowKind kind>
std::vector<MenuEntry> simulationMenuOf() {
  return simulationMenu(traitsOf(kind));
}

constexpr std::array kWindows{
    WindowEntry{"Form2", form2Layout, startMenu, nullptr, ""},
    WindowEntry{"Form3", form3Layout, configurationMenu, make<ConfigurationWindow>,
                "Configuration"},
    WindowEntry{"form1", simulationLayoutOf<WindowKind::Instant>,
                simulationMenuOf<WindowKind::Instant>, makeSimulation<WindowKind::Instant>,
                "Simulation"},
    WindowEntry{"Form4", simulationLayoutOf<WindowKind::StepByStep>,
                simulationMenuOf<WindowKind::StepByStep>, makeSimulation<WindowKind::StepByStep>,
                "Simulation"},
    WindowEntry{"ComparisonForm", comparisonLayout, comparisonMenu, make<ComparisonWindow>,
                "Comparison"},
    WindowEntry{"PopulationForm", populationLayout, populationMenu, make<PopulationWindow>,
                "Population"},
    WindowEntry{"IntervalForm", intervalLayout, intervalMenu, make<IntervalWindow>, "Intervals"},
    WindowEntry{"PlannerForm", plannerLayout, startMenu, make<PlannerWindow>, "Planner"},
};

}  // namespace

std::span<const WindowEntry> windowRegistry() { return kWindows; }

const WindowEntry* findWindow(std::string_view name) {
  const auto found = std::find_if(kWindows.begin(), kWindows.end(),
                                  [name](const WindowEntry& w) { return w.name == name; });
  return found == kWindows.end() ? nullptr : &*found;
}

}  // namespace varnesk
