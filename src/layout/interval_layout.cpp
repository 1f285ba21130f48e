#include "layout/window_layouts.h"

#include <algorithm>

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
  WindowLayout w{"IntervalForm", "Intervalos de confiança", px(900), px(640)};
  w.minMaxButtons = true;
  w.controls = {
      label("SampleSizeLBL", "Tamanho da amostra:", {px(10), px(10), px(112), px(20)}),
      box("SampleSizeTXT", K::TextBox, "", {px(124), px(10), px(50), px(20)}, -1),
      label("RepetitionsLBL", "Repetições:", {px(186), px(10), px(62), px(20)}),
      box("RepetitionsTXT", K::TextBox, "", {px(250), px(10), px(50), px(20)}, -1),
      label("LevelLBL", "Nível de confiança (%):", {px(314), px(10), px(144), px(20)}),
      box("LevelSpin", K::SpinBox, "95", {px(460), px(10), px(55), px(20)}, 0),
      box("NormalCheck", K::CheckBox, "Usar z (normal) em vez de t",
          {px(530), px(10), px(170), px(20)}, 1),
      box("CorrectionCheck", K::CheckBox, "Correção de população finita",
          {px(710), px(10), px(184), px(20)}, 2),
      box("NextButton", K::Button, "Próxima amostra", {px(10), px(38), px(120), px(26)}, 3),
      box("AllButton", K::Button, "Todas as amostras", {px(138), px(38), px(120), px(26)}, 4),
      box("PlayButton", K::Button, "Reproduzir", {px(266), px(38), px(90), px(26)}, 5),
      box("SpeedSpin", K::SpinBox, "5", {px(364), px(41), px(45), px(20)}, 6),
      label("SpeedLabel", "amostras por segundo", {px(413), px(41), px(130), px(20)}),
      box("CloseButton", K::Button, "Fechar", {px(805), px(38), px(85), px(26)}, 9),
      label("CoverageLBL", "", {px(10), px(72), px(560), px(20)}),
      label("ProgressLBL", "", {px(575), px(72), px(315), px(20)}),
      label("MissesLBL", "", {px(10), px(94), px(560), px(20)}),
      label("FormulaLBL", "", {px(575), px(94), px(315), px(20)}),
      box("IntervalChart", K::Canvas, "", {px(10), px(120), px(590), px(450)}, -1),
      label("CompareLBL", "Cobertura com e sem a correção:", {px(612), px(120), px(278), px(20)}),
      box("CompareButton", K::Button, "Comparar n = N/100, N/10 e N/2",
          {px(612), px(144), px(278), px(26)}, 7),
      box("CoverageTable", K::Table, "n\tCom correção\tSem correção",
          {px(612), px(176), px(278), px(130)}, 8),
      label("CompareNoteLBL",
            "Sem a correção, os intervalos de amostras grandes ficam largos demais: quanto mais n "
            "se aproxima de N, mais a cobertura passa do nível pedido. Com a correção, ela fica "
            "perto do nível para todo n.",
            {px(612), px(312), px(278), px(100)}),
      label("PopulationLBL", "", {px(10), px(578), px(880), px(20)}),
      label("NoteLBL",
            "Cada linha é o intervalo de uma amostra; a linha vertical preta é a média μ da "
            "população. Azul, com um ponto na média da amostra: o intervalo contém μ. Laranja, "
            "mais grossa e com um ×: não contém.",
            {px(10), px(600), px(880), px(34)}),
  };
  for (const char* name : {"SampleSizeTXT", "RepetitionsTXT"}) {
    ControlLayout& c = *std::find_if(w.controls.begin(), w.controls.end(),
                                     [name](const ControlLayout& l) { return l.name == name; });
    c.enabled = false;
    c.alignment = Alignment::Right;
  }
  for (ControlLayout& c : w.controls) {
    if (c.name == "LevelSpin")
      c.minimum = 80, c.maximum = 99, c.toolTip = "Nível de confiança, em %";
    if (c.name == "SpeedSpin")
      c.minimum = 1, c.maximum = 50, c.toolTip = "Amostras acrescentadas por segundo";
    if (c.name == "CompareNoteLBL" || c.name == "NoteLBL") c.wordWrap = true, c.middle = false;
    if (c.name == "ProgressLBL" || c.name == "FormulaLBL") c.alignment = Alignment::Right;
    if (c.name == "CoverageLBL") c.font = {FontFamily::MsSansSerif, 8.25f, true};
    if (c.name == "CoverageTable") c.alignment = Alignment::Right;
  }
  return w;
}

}  // namespace

const WindowLayout& intervalLayout() {
  static const WindowLayout layout = makeLayout();
  return layout;
}

}  // namespace varnesk
