#include "module_functions.h"

#include <fstream>

#include "core_json.h"
#include "engine/window_traits.h"
#include "layout/window_layouts.h"
#include "layout/zoom_steps.h"

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
  const std::vector<MenuEntry> menu = windowMenu(windowName);
  if (menu.empty())
    json.null();
  else
    writeMenu(json, menu);
  return json.take();
}

std::string menuBarJson(const std::string& windowName) {
  JsonWriter json;
  json.beginArray();
  for (const MenuBarMenu& menu : menuBar(windowMenu(windowName))) {
    json.beginObject().key("caption").value(menu.caption).key("entries");
    writeMenu(json, menu.entries);
    json.endObject();
  }
  json.endArray();
  return json.take();
}

double zoomStep(const std::string& command, double zoom, double windowWidth, double windowHeight,
                double screenWidth, double screenHeight) {
  const ZoomSteps steps({windowWidth, windowHeight}, {screenWidth, screenHeight});
  if (command == "ZoomIn") return steps.larger(zoom);
  if (command == "ZoomOut") return steps.smaller(zoom);
  if (command == "ActualSize") return steps.fitted(1.0);
  return steps.fitted(zoom);
}

std::string fullScreenJson(double contentWidth, double contentHeight, double screenWidth,
                           double screenHeight) {
  const ScreenPlacement p =
      fullScreenPlacement({contentWidth, contentHeight}, {screenWidth, screenHeight});
  JsonWriter json;
  json.beginObject().key("scale").value(p.scale).key("left").value(p.left);
  json.key("top").value(p.top).endObject();
  return json.take();
}

bool writePopulation(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

}  // namespace varnesk
