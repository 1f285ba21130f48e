#include "module_functions.h"

#include <fstream>

#include "core_json.h"
#include "engine/window_traits.h"
#include "layout/window_layouts.h"

namespace varnesk {

std::string layoutJson(const std::string& windowName) {
  const WindowLayout* layout = windowName == "Form2"   ? &form2Layout()
                               : windowName == "Form3" ? &form3Layout()
                               : windowName == "form1" ? &simulationLayout(WindowKind::Instant)
                               : windowName == "Form4" ? &simulationLayout(WindowKind::StepByStep)
                               : windowName == "ComparisonForm" ? &comparisonLayout()
                               : windowName == "PopulationForm" ? &populationLayout()
                                                                : nullptr;
  JsonWriter json;
  if (layout)
    writeLayout(json, *layout);
  else
    json.null();
  return json.take();
}

std::string menuJson(const std::string& windowName) {
  JsonWriter json;
  if (windowName == "form1")
    writeMenu(json, simulationMenu(kInstantWindow));
  else if (windowName == "Form4")
    writeMenu(json, simulationMenu(kStepByStepWindow));
  else if (windowName == "Form3")
    writeMenu(json, configurationMenu());
  else
    json.null();
  return json.take();
}

bool writePopulation(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

}  // namespace varnesk
