#include "layout/window_layouts.h"

namespace varnesk {

namespace {

// Every control of this window is on its client area, in the default font and colours.
// Labels beside their boxes, their text centred in the row.
ControlLayout control(std::string name, ControlKind kind, std::string caption, Box box,
                      int tabIndex = -1) {
  ControlLayout c = varnesk::control(std::move(name), kind, "", std::move(caption), box, tabIndex);
  c.autoSize = false;
  c.middle = kind == ControlKind::Label;
  return c;
}

WindowLayout makeLayout() {
  WindowLayout w{"ComparisonForm", "Comparar tamanhos de amostra", 13500, 10200};
  w.minMaxButtons = true;
  // Reading order; the keyboard visits the boxes, the buttons and the table.
  w.controls = {
      control("SampleSizesLBL", ControlKind::Label, "Tamanhos de amostra:", {165, 165, 1665, 300}),
      control("SampleSizesTXT", ControlKind::TextBox, "10, 100, 1000, 10000",
              {1920, 165, 8985, 300}, 0),
      control("RepetitionsLBL", ControlKind::Label, "Número de repetições:", {165, 555, 1665, 300}),
      control("RepetitionsTXT", ControlKind::TextBox, "1000", {1920, 555, 8985, 300}, 1),
      control("CompareButton", ControlKind::Button, "Comparar", {10995, 330, 1125, 345}, 2),
      control("CloseButton", ControlKind::Button, "Fechar", {12210, 330, 1125, 345}, 3),
      control("ResultsTable", ControlKind::Table,
              "n\tMédia das médias\tdp das médias\tErro padrão σ/√n\tErro padrão corrigido\t"
              "Razão dp / corrigido",
              {165, 945, 13170, 2880}, 4),
      control("ComparisonChart", ControlKind::Canvas, "", {165, 3915, 13170, 5640}),
      // Two lines at this width.
      control("NoteLBL", ControlKind::Label,
              "A linha azul marca a média da população. O erro padrão com correção leva em conta "
              "que cada amostra sorteia valores distintos de uma população finita: quanto mais a "
              "amostra se aproxima da população inteira, menor ele fica. Uma razão perto de 1 "
              "mostra a simulação de acordo com a teoria.",
              {165, 9645, 13170, 390}),
  };
  w.controls.back().wordWrap = true;
  // Below the note, in a strip added to the window: the population the comparison read and the
  // sizes and repetitions it used, and at the right the seed that replays it.
  w.clientHeight = 10905;
  w.controls.push_back(control("PopulationLBL", ControlKind::Label, "", {165, 10170, 9600, 255}));
  w.controls.push_back(control("SeedLBL", ControlKind::Label, "", {9885, 10170, 3450, 255}));
  w.controls.back().alignment = Alignment::Right;
  // Below that, in a row of its own: how far a comparison has come, and the button that stops
  // it, which works only while one runs. Numbers read right-aligned in the table.
  w.controls.push_back(
      control("ComparisonProgress", ControlKind::ProgressBar, "", {165, 10507, 11955, 300}));
  w.controls.push_back(
      control("CancelButton", ControlKind::Button, "Cancelar", {12210, 10485, 1125, 345}, 5));
  w.controls.back().enabled = false;
  for (ControlLayout& c : w.controls)
    if (c.name == "ResultsTable") c.alignment = Alignment::Right;
  return w;
}

}  // namespace

const WindowLayout& comparisonLayout() {
  static const WindowLayout layout = makeLayout();
  return layout;
}

}  // namespace varnesk
