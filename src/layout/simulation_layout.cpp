#include <array>

#include "layout/window_layouts.h"

namespace varnesk {
namespace {

struct ValueBox {
  const char* label;
  const char* caption;
  float labelLeft, labelWidth;
  const char* name;
  float left;
  const char* tip;
  int labelTab, tab;  // Form4's; form1 numbers its controls otherwise
};

// The statistics panel, left to right: each value with its caption before it.
constexpr std::array<ValueBox, 7> kPanel{{
    {"Label3", "Mínimo:", 120, 570, "MinimoLBL", 705, "Menor Valor da Amostra", 21, 18},
    {"Label4", "Q1:", 1860, 255, "Q1LBL", 2130, "Primeiro Quartil", 20, 17},
    {"Label5", "Mediana:", 3150, 660, "MedianaLBL", 3840, "Mediana", 19, 16},
    {"lax", "Q3:", 4860, 255, "Q3LBL", 5145, "Terceiro Quartil", 15, 14},
    {"Label7", "Máximo:", 6225, 585, "MaximoLBL", 6825, "Maior Valor da Amostra", 13, 12},
    {"Label11", "Média:", 7935, 480, "MediaLBL", 8430, "Média da Amostra", 9, 7},
    {"Label10", "dp:", 9435, 225, "dpLBL", 9675, "Desvio Padrão da Amostra", 11, 8},
}};
// form1's tab positions of the same controls.
constexpr std::array<int, 7> kInstantLabelTabs{38, 39, 40, 44, 46, 49, 48};
constexpr std::array<int, 7> kInstantTabs{41, 42, 43, 45, 47, 51, 50};

ControlLayout drawing(std::string name, ControlKind kind, Box box) {
  ControlLayout c =
      control(std::move(name), kind, "", kind == ControlKind::Label ? "0" : "", box, -1);
  c.drawnByChart = true;
  return c;
}

// The chart's arrays; their design positions are placeholders that the grid layout replaces
// before any member is shown.
void addChartArrays(WindowLayout& w, bool columns) {
  const auto named = [](const char* array, int i) {
    return std::string(array) + "_" + std::to_string(i);
  };
  for (int i = 0; i <= 5; ++i) {
    w.controls.push_back(drawing(named("RotuloY", i), ControlKind::Label, {0, 0, 90, 195}));
    w.controls.push_back(drawing(named("LinhaGradeHorizontal", i), ControlKind::Line, {}));
    w.controls.back().foreground = kInactiveCaption;
  }
  for (int i = 0; i <= 40; ++i) {
    w.controls.push_back(drawing(named("RotuloX", i), ControlKind::Label, {0, 0, 90, 195}));
    w.controls.push_back(drawing(named("LinhaGradeVertical", i), ControlKind::Line, {}));
    w.controls.back().foreground = kInactiveCaption;
  }
  for (int i = 0; columns && i <= 71; ++i) {
    w.controls.push_back(drawing(named("Coluna", i), ControlKind::Rectangle, {0, 0, 210, 150}));
    w.controls.back().background = Color::rgb(255, 0, 0);
    w.controls.back().foreground = Color::rgb(128, 0, 0);
  }
}

// A strip under the statistics panel, added below the window's design: which population and
// which n and R the run uses, beside the standard error that theory gives (right-aligned under
// dp); in the step-by-step window a second row tells how many of the run's means are shown and
// leaves its right part free for controls that drive the run.
constexpr float kStripTop = 8160;
constexpr float kFirstRowTop = kStripTop + 45;
constexpr float kInstantClientHeight = kStripTop + 360;
constexpr float kSecondRowTop = kInstantClientHeight;
constexpr float kStepClientHeight = kSecondRowTop + 480;

ControlLayout statusLine(const char* name, Box box, Alignment alignment) {
  ControlLayout c = control(name, ControlKind::Label, "", "", box, -1);
  c.autoSize = false;
  c.middle = true;
  c.alignment = alignment;
  return c;
}

void addStatusStrip(WindowLayout& w, bool instant) {
  w.clientHeight = instant ? kInstantClientHeight : kStepClientHeight;
  w.controls.push_back(
      statusLine("PopulationLBL", {120, kFirstRowTop, 6900, 240}, Alignment::Left));
  // Its right edge is dpLBL's, in the window.
  ControlLayout theory =
      statusLine("StandardErrorLBL", {7245, kFirstRowTop, 3300, 240}, Alignment::Right);
  theory.toolTip = "σ/√n · √((N − n)/(N − 1)): o desvio padrão que a teoria prevê para as médias";
  w.controls.push_back(theory);
  if (instant) return;
  ControlLayout progress =
      statusLine("ProgressLBL", {120, kSecondRowTop + 120, 2900, 240}, Alignment::Left);
  progress.font = {FontFamily::MsSansSerif, 8.25f, true};
  w.controls.push_back(progress);
}

// The step-by-step window's playback, beyond its laid-out controls: at the right of the strip's
// second row, a button that adds the means one by one at the speed set beside it, centred on the
// row's line; after every other control in the tab order.
void addPlayback(WindowLayout& w) {
  constexpr float kRowMiddle = kSecondRowTop + 240;
  using K = ControlKind;
  w.controls.push_back(
      control("PlayButton", K::Button, "", "Reproduzir", {7080, kRowMiddle - 202, 1200, 405}, 24));
  ControlLayout speed =
      control("SpeedSpin", K::SpinBox, "", "5", {8400, kRowMiddle - 142, 600, 285}, 25);
  speed.minimum = 1;
  speed.maximum = 50;
  speed.alignment = Alignment::Right;
  speed.toolTip = "Médias acrescentadas por segundo";
  w.controls.push_back(speed);
  w.controls.push_back(control("SpeedLabel", K::Label, "", "médias por segundo",
                               {9060, kRowMiddle - 97, 1395, 195}, 26));
}

WindowLayout make(bool instant) {
  using K = ControlKind;
  const auto tab = [instant](int form1, int form4) { return instant ? form1 : form4; };
  WindowLayout w{instant ? "form1" : "Form4",
                 instant ? "Varnesk" + std::string(39, ' ') + "Sistema de Simulação em Tempo Real"
                         : "Varnesk" + std::string(30, ' ') +
                               "Sistema de Simulação em Tempo Real  (Passo a Passo)",
                 10845, 8160};
  w.minMaxButtons = !instant;
  if (!instant) w.fillColor = Color::rgb(255, 0, 0);  // the dots: red inside their black outline
  w.controls = {
      control("Frame1", K::Frame, "", "", {75, 60, 10665, 735}, tab(36, 0)),
      control("Label1", K::Label, "Frame1", "Tamanho da Amostra...:", {435, 315, 1695, 195},
              tab(55, 5)),
      control("TamanhodaAmostraTXT", K::TextBox, "Frame1", "1000", {2145, 255, 735, 285},
              tab(52, 3)),
      control("Label2", K::Label, "Frame1", "Número de Repetições:", {4275, 315, 1680, 195},
              tab(56, 4)),
      control("NumeroRepeticoesTXT", K::TextBox, "Frame1", "100", {5985, 270, 735, 285},
              tab(53, 2)),
      control("Command1", K::Button, "Frame1", "Simular",
              instant ? Box{7680, 150, 1200, 525} : Box{7680, 165, 1200, 510}, tab(54, 1)),
      control("Command3", K::Button, "Frame1",
              instant ? "Encerrar/ Configurar" : " Encerrar/ Configurar",
              instant ? Box{9210, 150, 1185, 525} : Box{9285, 165, 1185, 525}, tab(71, 10)),
      control("Frame2", K::Frame, "", "Estatísticas Básicas", {75, 7425, 10665, 645}, tab(37, 6)),
  };
  w.controls[2].enabled = false;
  // The step-by-step window's Load disables its counter itself.
  w.controls[4].enabled = !instant;
  for (std::size_t i = 0; i < kPanel.size(); ++i) {
    const ValueBox& v = kPanel[i];
    w.controls.push_back(control(v.label, K::Label, "Frame2", v.caption,
                                 {v.labelLeft, 285, v.labelWidth, 195},
                                 tab(kInstantLabelTabs[i], v.labelTab)));
    ControlLayout value = control(v.name, K::Label, "Frame2", "0", {v.left, 270, 795, 240},
                                  tab(kInstantTabs[i], v.tab));
    value.autoSize = false;
    value.border = true;
    value.background = Color::rgb(255, 255, 192);
    value.alignment = Alignment::Right;
    value.toolTip = v.tip;
    w.controls.push_back(value);
  }

  ControlLayout frame =
      drawing("Shape1", K::Rectangle, {1080, instant ? 990.0f : 975.0f, 9270, 5325});
  frame.foreground = Color::of(SystemColor::WindowText);
  ControlLayout meanLine =
      drawing("MediaLIN", K::Line, instant ? Box{285, 3300, 0, 1740} : Box{420, 3000, 0, 200});
  meanLine.foreground = Color::rgb(0, 0, 255);
  meanLine.lineWidth = instant ? 2 : 3;
  meanLine.visible = !instant;
  // The title under the X axis: a Symbol-font d (a delta) followed by "médio".
  ControlLayout delta =
      control("Label6", K::Label, "", "d",
              instant ? Box{4740, 6930, 150, 300} : Box{5175, 6855, 150, 300}, tab(58, 22));
  delta.font = {FontFamily::Symbol, 12, true};
  delta.transparent = true;
  w.controls.insert(
      w.controls.end(),
      {frame, meanLine, delta,
       control("lblmedio", K::Label, "", "médio",
               instant ? Box{4950, 7065, 420, 195} : Box{5385, 6990, 420, 195}, tab(57, 23))});
  if (instant) {
    // The unit of the instant window's Y axis, which is in percent.
    ControlLayout percent = control("Label8", K::Label, "", "%", {150, 3090, 150, 240}, -1);
    percent.font = {FontFamily::Arial, 9.75f, true};
    w.controls.push_back(percent);
  }
  addChartArrays(w, instant);
  addStatusStrip(w, instant);
  if (!instant) addPlayback(w);
  return w;
}

}  // namespace

const WindowLayout& simulationLayout(WindowKind kind) {
  static const WindowLayout instant = make(true), step = make(false);
  return kind == WindowKind::Instant ? instant : step;
}

}  // namespace varnesk
