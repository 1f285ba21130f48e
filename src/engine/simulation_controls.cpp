#include "engine/simulation_controls.h"

#include <string>

namespace varnesk {
namespace {

Label label(const ControlLayout& c) {
  return {c.name,      c.caption,    c.box.left, c.box.top,
          c.box.width, c.box.height, c.visible,  c.autoSize};
}

Line line(const ControlLayout& c) {
  return {c.box.left, c.box.top, c.box.left + c.box.width, c.box.top + c.box.height, c.visible};
}

Rect rect(const ControlLayout& c) {
  return {c.box.left, c.box.top, c.box.width, c.box.height, c.visible};
}

// An array's members, "RotuloY_0" ...; a window without the array leaves `out` empty.
template <class Model, class Array>
void members(const WindowLayout& layout, const char* array, Array& out,
             Model (*make)(const ControlLayout&)) {
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i] = make(layout.control(std::string(array) + "_" + std::to_string(i)));
}

ControlState state(const WindowLayout& layout, std::string_view name) {
  const ControlLayout* c = layout.find(name);
  if (!c) return {};
  return {c->name, c->caption, c->enabled, c->visible, false};
}

}  // namespace

ControlStates SimulationControls::list() const {
  ControlStates out{TamanhodaAmostraTXT, NumeroRepeticoesTXT, Command1, Command3};
  if (!PlayButton.name.empty()) out.push_back(PlayButton);
  out.insert(out.end(), panel.begin(), panel.end());
  for (const ControlState* line : {&PopulationLBL, &StandardErrorLBL, &ProgressLBL})
    if (!line->name.empty()) out.push_back(*line);
  return out;
}

SimulationControls initialControls(const WindowLayout& layout) {
  SimulationControls c;
  c.TamanhodaAmostraTXT = state(layout, "TamanhodaAmostraTXT");
  c.NumeroRepeticoesTXT = state(layout, "NumeroRepeticoesTXT");
  c.Command1 = state(layout, "Command1");
  c.Command3 = state(layout, "Command3");
  c.PlayButton = state(layout, "PlayButton");
  for (std::size_t i = 0; i < kPanelNames.size(); ++i) c.panel[i] = state(layout, kPanelNames[i]);
  c.PopulationLBL = state(layout, "PopulationLBL");
  c.StandardErrorLBL = state(layout, "StandardErrorLBL");
  c.ProgressLBL = state(layout, "ProgressLBL");
  return c;
}

ChartModel initialChart(const WindowLayout& layout) {
  ChartModel c;
  c.Shape1 = rect(layout.control("Shape1"));
  c.MediaLIN = line(layout.control("MediaLIN"));
  members(layout, "RotuloY", c.RotuloY, label);
  members(layout, "RotuloX", c.RotuloX, label);
  members(layout, "LinhaGradeHorizontal", c.LinhaGradeHorizontal, line);
  members(layout, "LinhaGradeVertical", c.LinhaGradeVertical, line);
  if (layout.find("Coluna_0")) {
    c.Coluna.resize(kColumns);
    members(layout, "Coluna", c.Coluna, rect);
  }
  return c;
}

}  // namespace varnesk
