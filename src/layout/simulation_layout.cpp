#include <array>
#include <optional>

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
};

// The statistics panel, left to right: each value with its caption before it.
constexpr std::array<ValueBox, 7> kPanel{{
    {"Label3", "Mínimo:", 120, 570, "MinimoLBL", 705, "Menor Valor da Amostra"},
    {"Label4", "Q1:", 1860, 255, "Q1LBL", 2130, "Primeiro Quartil"},
    {"Label5", "Mediana:", 3150, 660, "MedianaLBL", 3840, "Mediana"},
    {"lax", "Q3:", 4860, 255, "Q3LBL", 5145, "Terceiro Quartil"},
    {"Label7", "Máximo:", 6225, 585, "MaximoLBL", 6825, "Maior Valor da Amostra"},
    {"Label11", "Média:", 7935, 480, "MediaLBL", 8430, "Média da Amostra"},
    {"Label10", "dp:", 9435, 225, "dpLBL", 9675, "Desvio Padrão da Amostra"},
}};

// Everything in which the two windows' designs differ, so that the one description below reads
// it instead of asking which window it describes.
struct SimulationDesign {
  const char* name;
  int captionBlanks;  // between "Varnesk" and the title
  const char* title;
  bool minMaxButtons;
  std::optional<Color> fillColor;  // of the figures drawn on the surface
  // Tab positions: Frame1, Label1, TamanhodaAmostraTXT, Label2, NumeroRepeticoesTXT, Command1,
  // Command3, Frame2, Label6, lblmedio.
  std::array<int, 10> tabs;
  std::array<int, 7> panelLabelTabs, panelValueTabs;  // in kPanel's order
  bool repetitionsEnabled;  // the step-by-step window's Load disables its counter itself
  Box simulateBox;
  const char* closeCaption;
  Box closeBox;
  float frameTop;  // Shape1's
  Box meanLine;    // MediaLIN's, from (left, top) to (left + width, top + height)
  int meanLineWidth;
  bool meanLineVisible;
  Box deltaBox, medioBox;  // the title under the X axis
  bool percentUnit;        // Label8, the "%" of a Y axis in percent
  bool columns;            // the Coluna rectangles
  bool stepByStep;         // the second row of the strip: the counter and the playback
};

constexpr SimulationDesign kInstantDesign{"form1",
                                          39,
                                          "Sistema de Simulação em Tempo Real",
                                          false,
                                          std::nullopt,
                                          {36, 55, 52, 56, 53, 54, 71, 37, 58, 57},
                                          {38, 39, 40, 44, 46, 49, 48},
                                          {41, 42, 43, 45, 47, 51, 50},
                                          false,
                                          {7680, 150, 1200, 525},
                                          "Encerrar/ Configurar",
                                          {9210, 150, 1185, 525},
                                          990,
                                          {285, 3300, 0, 1740},
                                          2,
                                          false,
                                          {4740, 6930, 150, 300},
                                          {4950, 7065, 420, 195},
                                          true,
                                          true,
                                          false};
// The dots: red inside their black outline.
constexpr SimulationDesign kStepByStepDesign{"Form4",
                                             30,
                                             "Sistema de Simulação em Tempo Real  (Passo a Passo)",
                                             true,
                                             Color::rgb(255, 0, 0),
                                             {0, 5, 3, 4, 2, 1, 10, 6, 22, 23},
                                             {21, 20, 19, 15, 13, 9, 11},
                                             {18, 17, 16, 14, 12, 7, 8},
                                             true,
                                             {7680, 165, 1200, 510},
                                             " Encerrar/ Configurar",
                                             {9285, 165, 1185, 525},
                                             975,
                                             {420, 3000, 0, 200},
                                             3,
                                             true,
                                             {5175, 6855, 150, 300},
                                             {5385, 6990, 420, 195},
                                             false,
                                             false,
                                             true};

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
// dp); a second row names the seed that replays the run, and in the step-by-step window tells
// first how many of the run's means are shown and leaves its right part free for controls that
// drive the run.
constexpr float kStripTop = 8160;
constexpr float kFirstRowTop = kStripTop + 45;
constexpr float kSecondRowTop = kStripTop + 360;
constexpr float kInstantClientHeight = kSecondRowTop + 300;
constexpr float kStepClientHeight = kSecondRowTop + 480;

ControlLayout statusLine(const char* name, Box box, Alignment alignment) {
  ControlLayout c = control(name, ControlKind::Label, "", "", box, -1);
  c.autoSize = false;
  c.middle = true;
  c.alignment = alignment;
  return c;
}

void addStatusStrip(WindowLayout& w, bool stepByStep) {
  w.clientHeight = stepByStep ? kStepClientHeight : kInstantClientHeight;
  w.controls.push_back(
      statusLine("PopulationLBL", {120, kFirstRowTop, 6900, 240}, Alignment::Left));
  // Its right edge is dpLBL's, in the window.
  ControlLayout theory =
      statusLine("StandardErrorLBL", {7245, kFirstRowTop, 3300, 240}, Alignment::Right);
  theory.toolTip = "σ/√n · √((N − n)/(N − 1)): o desvio padrão que a teoria prevê para as médias";
  w.controls.push_back(theory);
  if (!stepByStep) {
    w.controls.push_back(
        statusLine("SeedLBL", {120, kSecondRowTop + 15, 6900, 240}, Alignment::Left));
    return;
  }
  ControlLayout progress =
      statusLine("ProgressLBL", {120, kSecondRowTop + 120, 2900, 240}, Alignment::Left);
  progress.font = {FontFamily::MsSansSerif, 8.25f, true};
  w.controls.push_back(progress);
  w.controls.push_back(
      statusLine("SeedLBL", {3150, kSecondRowTop + 120, 3780, 240}, Alignment::Left));
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

WindowLayout make(const SimulationDesign& d) {
  using K = ControlKind;
  WindowLayout w{d.name, "Varnesk" + std::string(d.captionBlanks, ' ') + d.title, 10845, 8160};
  w.minMaxButtons = d.minMaxButtons;
  w.fillColor = d.fillColor;
  const auto& tab = d.tabs;
  w.controls = {
      control("Frame1", K::Frame, "", "", {75, 60, 10665, 735}, tab[0]),
      control("Label1", K::Label, "Frame1", "Tamanho da Amostra...:", {435, 315, 1695, 195},
              tab[1]),
      control("TamanhodaAmostraTXT", K::TextBox, "Frame1", "1000", {2145, 255, 735, 285}, tab[2]),
      control("Label2", K::Label, "Frame1", "Número de Repetições:", {4275, 315, 1680, 195},
              tab[3]),
      control("NumeroRepeticoesTXT", K::TextBox, "Frame1", "100", {5985, 270, 735, 285}, tab[4]),
      control("Command1", K::Button, "Frame1", "Simular", d.simulateBox, tab[5]),
      control("Command3", K::Button, "Frame1", d.closeCaption, d.closeBox, tab[6]),
      control("Frame2", K::Frame, "", "Estatísticas Básicas", {75, 7425, 10665, 645}, tab[7]),
  };
  w.controls[2].enabled = false;
  w.controls[4].enabled = d.repetitionsEnabled;
  for (std::size_t i = 0; i < kPanel.size(); ++i) {
    const ValueBox& v = kPanel[i];
    w.controls.push_back(control(v.label, K::Label, "Frame2", v.caption,
                                 {v.labelLeft, 285, v.labelWidth, 195}, d.panelLabelTabs[i]));
    ControlLayout value =
        control(v.name, K::Label, "Frame2", "0", {v.left, 270, 795, 240}, d.panelValueTabs[i]);
    value.autoSize = false;
    value.border = true;
    value.background = Color::rgb(255, 255, 192);
    value.alignment = Alignment::Right;
    value.toolTip = v.tip;
    w.controls.push_back(value);
  }

  ControlLayout frame = drawing("Shape1", K::Rectangle, {1080, d.frameTop, 9270, 5325});
  frame.foreground = Color::of(SystemColor::WindowText);
  ControlLayout meanLine = drawing("MediaLIN", K::Line, d.meanLine);
  meanLine.foreground = Color::rgb(0, 0, 255);
  meanLine.lineWidth = d.meanLineWidth;
  meanLine.visible = d.meanLineVisible;
  // The title under the X axis: a Symbol-font d (a delta) followed by "médio".
  ControlLayout delta = control("Label6", K::Label, "", "d", d.deltaBox, tab[8]);
  delta.font = {FontFamily::Symbol, 12, true};
  delta.transparent = true;
  w.controls.insert(
      w.controls.end(),
      {frame, meanLine, delta, control("lblmedio", K::Label, "", "médio", d.medioBox, tab[9])});
  if (d.percentUnit) {
    // The unit of the instant window's Y axis, which is in percent.
    ControlLayout percent = control("Label8", K::Label, "", "%", {150, 3090, 150, 240}, -1);
    percent.font = {FontFamily::Arial, 9.75f, true};
    w.controls.push_back(percent);
  }
  addChartArrays(w, d.columns);
  addStatusStrip(w, d.stepByStep);
  if (d.stepByStep) addPlayback(w);
  return w;
}

}  // namespace

const WindowLayout& simulationLayout(WindowKind kind) {
  static const WindowLayout instant = make(kInstantDesign), step = make(kStepByStepDesign);
  return kind == WindowKind::Instant ? instant : step;
}

}  // namespace varnesk
