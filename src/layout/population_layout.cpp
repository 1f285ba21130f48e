#include "layout/window_layouts.h"

namespace varnesk {

namespace {

// The layout was drawn in pixels.
constexpr float px(float pixels) { return pixels * 15; }

ControlLayout caption(std::string name, std::string text, Box box) {
  ControlLayout c = control(std::move(name), ControlKind::Label, "", std::move(text), box, -1);
  c.autoSize = false;
  c.middle = true;
  return c;
}

// A value the view fills in: a box like the statistics panel's.
ControlLayout value(std::string name, Box box) {
  ControlLayout c = caption(std::move(name), "", box);
  c.border = true;
  c.background = Color::rgb(255, 255, 192);
  return c;
}

struct Row {
  const char* captionName;
  const char* text;
  const char* valueName;
};

// The population's numbers on the left and how its file was read on the right, in the order
// the command line's description prints them.
constexpr Row kSummary[] = {{"CountCaptionLBL", "N:", "CountLBL"},
                            {"MeanCaptionLBL", "Média:", "MeanLBL"},
                            {"SdCaptionLBL", "dp (divisor N):", "SdLBL"},
                            {"MinimumCaptionLBL", "Mínimo:", "MinimumLBL"},
                            {"MaximumCaptionLBL", "Máximo:", "MaximumLBL"}};
constexpr Row kReading[] = {{"SeparatorCaptionLBL", "Separador:", "SeparatorLBL"},
                            {"DecimalMarkCaptionLBL", "Marca decimal:", "DecimalMarkLBL"},
                            {"HeaderCaptionLBL", "Cabeçalho:", "HeaderLBL"},
                            {"ColumnCaptionLBL", "Coluna:", "ColumnLBL"}};

WindowLayout makeLayout() {
  WindowLayout w{"PopulationForm", "População", px(640), px(520)};
  w.minMaxButtons = true;
  w.controls = {caption("FileCaptionLBL", "Arquivo:", {px(10), px(10), px(70), px(20)}),
                value("FileNameLBL", {px(85), px(10), px(440), px(20)}),
                control("CloseButton", ControlKind::Button, "", "Fechar",
                        {px(540), px(8), px(90), px(24)}, 0)};
  w.controls.back().cancel = true;
  for (int i = 0; i < 5; ++i) {
    const float top = px(38 + 22 * static_cast<float>(i));
    w.controls.push_back(
        caption(kSummary[i].captionName, kSummary[i].text, {px(10), top, px(110), px(20)}));
    w.controls.push_back(value(kSummary[i].valueName, {px(125), top, px(140), px(20)}));
    w.controls.back().alignment = Alignment::Right;
    if (i >= 4) continue;
    w.controls.push_back(
        caption(kReading[i].captionName, kReading[i].text, {px(290), top, px(110), px(20)}));
    w.controls.push_back(value(kReading[i].valueName, {px(405), top, px(225), px(20)}));
  }
  // Why the file could not be read, or nothing.
  w.controls.push_back(caption("MessageLBL", "", {px(10), px(150), px(620), px(28)}));
  w.controls.back().wordWrap = true;
  w.controls.back().foreground = Color::rgb(128, 0, 0);
  // Which sample is marked over the histogram, and how to read the marks.
  w.controls.push_back(caption("SampleLBL", "", {px(10), px(178), px(620), px(28)}));
  w.controls.back().wordWrap = true;
  w.controls.push_back(control("PopulationChart", ControlKind::Canvas, "", "",
                               {px(10), px(208), px(620), px(302)}, -1));
  return w;
}

}  // namespace

const WindowLayout& populationLayout() {
  static const WindowLayout layout = makeLayout();
  return layout;
}

}  // namespace varnesk
