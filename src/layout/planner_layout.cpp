#include "layout/window_layouts.h"

namespace varnesk {
namespace {

// The layout was drawn in pixels.
constexpr float px(float pixels) { return pixels * 15; }

ControlLayout label(std::string name, std::string text, Box box) {
  ControlLayout c = control(std::move(name), ControlKind::Label, "", std::move(text), box, -1);
  c.autoSize = false;
  c.middle = true;
  return c;
}

ControlLayout box(std::string name, ControlKind kind, std::string text, Box place, int tab) {
  return control(std::move(name), kind, "", std::move(text), place, tab);
}

WindowLayout makeLayout() {
  using K = ControlKind;
  WindowLayout w{"PlannerForm", "Tamanho da amostra", px(760), px(600)};
  w.minMaxButtons = true;
  w.controls = {
      label("MarginLBL",
            "Margem de erro E (na unidade da população):", {px(10), px(10), px(262), px(20)}),
      box("MarginTXT", K::TextBox, "0,1", {px(274), px(10), px(70), px(20)}, 0),
      label("LevelLBL", "Nível de confiança (%):", {px(358), px(10), px(140), px(20)}),
      box("LevelSpin", K::SpinBox, "95", {px(500), px(10), px(55), px(20)}, 1),
      box("PlanButton", K::Button, "Calcular", {px(572), px(7), px(90), px(26)}, 2),
      box("CloseButton", K::Button, "Fechar", {px(670), px(7), px(80), px(26)}, 5),
      label("PopulationLBL", "", {px(10), px(40), px(740), px(20)}),
      label("SizeLBL", "", {px(10), px(62), px(740), px(26)}),
      label("FormulaLBL", "", {px(10), px(90), px(740), px(62)}),
      label("NoteLBL", "", {px(10), px(154), px(740), px(34)}),
      label("VerifyLBL", "Verificar por simulação:", {px(10), px(198), px(150), px(20)}),
      label("RepetitionsLBL", "Repetições:", {px(165), px(198), px(70), px(20)}),
      box("RepetitionsTXT", K::TextBox, "1000", {px(237), px(198), px(60), px(20)}, 3),
      box("VerifyButton", K::Button, "Verificar por simulação", {px(310), px(195), px(170), px(26)},
          4),
      label("MarginsLBL", "", {px(10), px(228), px(740), px(20)}),
      label("WithinLBL", "", {px(10), px(250), px(740), px(20)}),
      label("CoverageLBL", "", {px(10), px(272), px(740), px(20)}),
      box("MarginsChart", K::Canvas, "", {px(10), px(298), px(740), px(292)}, -1),
  };
  for (ControlLayout& c : w.controls) {
    if (c.name == "LevelSpin")
      c.minimum = 80, c.maximum = 99, c.toolTip = "Nível de confiança, em %";
    if (c.name == "FormulaLBL" || c.name == "NoteLBL") c.wordWrap = true, c.middle = false;
    if (c.name == "NoteLBL") c.foreground = Color::rgb(128, 0, 0);
    if (c.name == "SizeLBL") c.font = {FontFamily::Verdana, 12, true};
    if (c.name == "MarginTXT" || c.name == "RepetitionsTXT") c.alignment = Alignment::Right;
  }
  return w;
}

}  // namespace

const WindowLayout& plannerLayout() {
  static const WindowLayout layout = makeLayout();
  return layout;
}

}  // namespace varnesk
