#include "engine/window_model.h"

#include "layout/window_layouts.h"

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

template <class Model, class Array>
void members(const WindowLayout& layout, const char* array, Array& out,
             Model (*make)(const ControlLayout&)) {
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i] = make(layout.control(std::string(array) + "_" + std::to_string(i)));
}

}  // namespace

TextBox textBox(const WindowLayout& layout, std::string_view name) {
  const ControlLayout& c = layout.control(name);
  return {c.name, c.caption, c.enabled};
}

Button button(const WindowLayout& layout, std::string_view name) {
  const ControlLayout& c = layout.control(name);
  return {c.name, c.enabled};
}

WindowModel initialModel(WindowKind kind) {
  const WindowLayout& layout = simulationLayout(kind);
  WindowModel m;
  m.TamanhodaAmostraTXT = textBox(layout, "TamanhodaAmostraTXT");
  m.NumeroRepeticoesTXT = textBox(layout, "NumeroRepeticoesTXT");
  m.Command1 = button(layout, "Command1");
  m.Command3 = button(layout, "Command3");
  for (const PanelBox& p : kPanelBoxes) m.*p.box = label(layout.control(p.name));
  m.PopulationLBL = label(layout.control("PopulationLBL"));
  m.StandardErrorLBL = label(layout.control("StandardErrorLBL"));
  if (kind == WindowKind::StepByStep) m.ProgressLBL = label(layout.control("ProgressLBL"));
  ChartModel& c = m.chart;
  c.Shape1 = rect(layout.control("Shape1"));
  c.MediaLIN = line(layout.control("MediaLIN"));
  members(layout, "RotuloY", c.RotuloY, label);
  members(layout, "RotuloX", c.RotuloX, label);
  members(layout, "LinhaGradeHorizontal", c.LinhaGradeHorizontal, line);
  members(layout, "LinhaGradeVertical", c.LinhaGradeVertical, line);
  if (kind == WindowKind::Instant) {
    c.Coluna.resize(kColumns);
    members(layout, "Coluna", c.Coluna, rect);
  }
  return m;
}

}  // namespace varnesk
