#include "module_functions.h"

#include <fstream>

#include "chart/projector_theme.h"
#include "common/dialog_texts.h"
#include "common/messages.h"
#include "core_json.h"
#include "engine/window_registry.h"
#include "layout/window_layouts.h"
#include "layout/zoom_steps.h"

namespace varnesk {

bool ModuleFunctions::setPopulation(const PopulationBytes& bytes, const std::string&) {
  return population_.setProgramOwn(bytes.bytes);
}

std::string ModuleFunctions::previewPopulation(const PopulationBytes& bytes,
                                               const std::string& name,
                                               const std::string& commas) const {
  return population_.preview(bytes.bytes, name, commas);
}

std::string ModuleFunctions::choosePopulation(const PopulationBytes& bytes, const std::string& name,
                                              const std::string& column,
                                              const std::string& commas) {
  return population_.choose(bytes.bytes, name, column, commas);
}

std::string ModuleFunctions::window(const std::string& windowName) const {
  const WindowEntry* window = findWindow(windowName);
  if (!window) return "null";
  JsonWriter json;
  json.beginObject().key("layout").raw(layout(windowName)).key("menu").raw(menu(windowName));
  json.key("menuBar").raw(menuBar(windowName)).key("session").value(window->session);
  return json.endObject().take();
}

std::string ModuleFunctions::layout(const std::string& windowName) const {
  const WindowEntry* window = findWindow(windowName);
  JsonWriter json;
  if (window)
    writeLayout(json, window->layout());
  else
    json.null();
  return json.take();
}

std::string ModuleFunctions::menu(const std::string& windowName) const {
  JsonWriter json;
  const std::vector<MenuEntry> entries = windowMenu(windowName);
  if (entries.empty())
    json.null();
  else
    writeMenu(json, entries);
  return json.take();
}

std::string ModuleFunctions::menuBar(const std::string& windowName) const {
  JsonWriter json;
  json.beginArray();
  for (const MenuBarMenu& bar : varnesk::menuBar(windowMenu(windowName))) {
    json.beginObject().key("caption").value(bar.caption).key("entries");
    writeMenu(json, bar.entries);
    json.endObject();
  }
  json.endArray();
  return json.take();
}

double ModuleFunctions::zoomStep(const std::string& command, double zoom, double windowWidth,
                                 double windowHeight, double screenWidth,
                                 double screenHeight) const {
  const ZoomSteps steps({windowWidth, windowHeight}, {screenWidth, screenHeight});
  if (command == "ZoomIn") return steps.larger(zoom);
  if (command == "ZoomOut") return steps.smaller(zoom);
  if (command == "ActualSize") return steps.fitted(1.0);
  return steps.fitted(zoom);
}

std::string ModuleFunctions::fullScreen(double contentWidth, double contentHeight,
                                        double screenWidth, double screenHeight) const {
  const ScreenPlacement p =
      fullScreenPlacement({contentWidth, contentHeight}, {screenWidth, screenHeight});
  JsonWriter json;
  json.beginObject().key("scale").value(p.scale).key("left").value(p.left);
  json.key("top").value(p.top).endObject();
  return json.take();
}

int ModuleFunctions::evenLineWidth(double width, double scale) const {
  return varnesk::evenLineWidth(width, scale);
}

std::string ModuleFunctions::aboutText() const { return varnesk::aboutText(); }

std::string ModuleFunctions::dialogTexts() const {
  JsonWriter json;
  json.beginObject();
  for (const dialog_texts::Named& t : dialog_texts::kAll) json.key(t.name).value(t.text);
  json.key("messageTitle").value(messages::kMessageBoxTitle);
  return json.endObject().take();
}

float ModuleFunctions::centredOnScreen(float screenWidth, float panelWidth) const {
  return varnesk::centredOnScreen(screenWidth, panelWidth);
}

std::string ModuleFunctions::projectorTheme() const {
  const ProjectorTheme& theme = varnesk::projectorTheme();
  JsonWriter json;
  json.beginObject();
  for (const auto& [key, color] : {std::pair{"background", theme.background},
                                   {"text", theme.text},
                                   {"face", theme.face},
                                   {"accent", theme.accent},
                                   {"disabledText", theme.disabledText}}) {
    json.key(key);
    writeColor(json, color);
  }
  json.key("changes").beginArray();
  for (const ColorChange& change : projectorColorChanges()) {
    json.beginObject().key("from");
    writeColor(json, change.from);
    json.key("to");
    writeColor(json, change.to);
    json.endObject();
  }
  json.endArray();
  return json.endObject().take();
}

bool writePopulation(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

}  // namespace varnesk
