#include "layout/window_layouts.h"

namespace varnesk {
namespace {

constexpr Color kDarkBlue = Color::rgb(0, 0, 64);
constexpr Color kBlue = Color::rgb(0, 0, 192);
constexpr Color kLightCyan = Color::rgb(192, 255, 255);

const std::string kTitle = "Estimativa Amostral da Taxa Média de Perda";
const std::string kSubtitle = "Sistema de Simulação em Tempo Real";
const std::string kMotto = "Precisão da Estimativa em Função do Tamanho Amostral";

// Each title is shown twice: the light cyan copy lies 15 twips right of and below the blue one,
// which shows as a shadow along its upper left edges.
ControlLayout title(const char* name, const std::string& caption, Box box, float points,
                    Color color, int tab) {
  ControlLayout c{name, ControlKind::Label, "Frame1", caption, box};
  c.font = {FontFamily::Verdana, points, true};
  c.foreground = color;
  c.tabIndex = tab;
  c.autoSize = c.transparent = true;
  return c;
}

ControlLayout panel(const char* name, Box box, int tab) {
  ControlLayout c{name, ControlKind::Frame, "", "", box};
  c.background = kDarkBlue;
  c.tabIndex = tab;
  return c;
}

ControlLayout button(const char* name, const char* caption, Box box, int tab) {
  ControlLayout c{name, ControlKind::Button, "Frame2", caption, box};
  c.font.bold = true;
  c.tabIndex = tab;
  return c;
}

WindowLayout make() {
  WindowLayout w{"Form2", "Varnesk" + std::string(36, ' ') + kTitle, 12900, 7815, kDarkBlue};
  w.maximized = w.minMaxButtons = true;
  w.controls = {
      panel("Frame1", {330, 255, 11775, 5850}, 0),
      title("Label1", kTitle, {690, 1350, 10110, 480}, 20.25f, kBlue, 4),
      title("Label4", kTitle, {705, 1365, 10110, 480}, 20.25f, kLightCyan, 7),
      title("Label2", kSubtitle, {1620, 2895, 8625, 480}, 20.25f, kBlue, 3),
      title("Label3", kMotto, {1020, 4470, 9930, 375}, 15.75f, kBlue, 2),
      title("Label6", kMotto, {1035, 4485, 9930, 375}, 15.75f, kLightCyan, 9),
      title("Label5", kSubtitle, {1635, 2910, 8625, 480}, 20.25f, kLightCyan, 8),
      panel("Frame2", {2820, 6330, 5475, 1170}, 5),
      button("Command1", "Iniciar Simulação", {735, 435, 1725, 450}, 1),
      button("Command2", "Sair do Programa", {3105, 435, 1725, 450}, 6),
  };
  return w;
}

}  // namespace

const WindowLayout& form2Layout() {
  static const WindowLayout layout = make();
  return layout;
}

}  // namespace varnesk
