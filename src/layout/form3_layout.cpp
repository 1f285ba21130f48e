#include "layout/window_layouts.h"

namespace varnesk {
namespace {

WindowLayout make() {
  using K = ControlKind;
  WindowLayout w{"Form3", "Configuração", 6405, 2355};
  w.controls = {
      control("Frame2", K::Frame, "", "Gerar Histograma:", {135, 1050, 4005, 1080}, 7),
      control("Command1", K::Button, "Frame2", "Instantâneo", {450, 405, 1320, 405}, 9),
      control("Command3", K::Button, "Frame2", "Passo a Passo", {2250, 420, 1350, 405}, 8),
      control("Command2", K::Button, "", "Sair", {4575, 1455, 1350, 405}, 4),
      control("Frame1", K::Frame, "", "", {135, 120, 6090, 765}, 0),
      control("NumeroRepeticoesTXT", K::TextBox, "Frame1", "100", {5025, 300, 735, 285}, 5),
      control("TamanhodaAmostraTXT", K::TextBox, "Frame1", "1000", {2055, 300, 735, 285}, 2),
      // Never shown and never ticked: it takes no part in what the screen does.
      control("Check1", K::CheckBox, "Frame1", "Passo a Passo", {1110, 600, 1515, 315}, 1),
      control("Label2", K::Label, "Frame1", "Número de Repetições:", {3315, 360, 1680, 195}, 6),
      control("Label1", K::Label, "Frame1", "Tamanho da Amostra...:", {330, 360, 1695, 195}, 3),
  };
  w.controls[7].visible = false;
  return w;
}

}  // namespace

const WindowLayout& form3Layout() {
  static const WindowLayout layout = make();
  return layout;
}

}  // namespace varnesk
