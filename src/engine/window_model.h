#pragma once
// The controls of a simulation window that its logic reads and writes, starting from the
// window's description. The front ends render this model.
#include <array>
#include <string>

#include "chart/chart_model.h"
#include "common/controls.h"
#include "layout/window_kind.h"
#include "layout/window_layout.h"

namespace varnesk {

struct WindowModel {
  TextBox TamanhodaAmostraTXT, NumeroRepeticoesTXT;
  Button Command1, Command3;
  // A text box's or a button's model with its design values from the window's description.
  TextBox textBox(const WindowLayout& layout, std::string_view name);
  Button button(const WindowLayout& layout, std::string_view name);

  // The statistics value boxes, left to right: MinimoLBL, Q1LBL, MedianaLBL, Q3LBL,
  // MaximoLBL, MediaLBL, dpLBL.
  Label MinimoLBL, Q1LBL, MedianaLBL, Q3LBL, MaximoLBL, MediaLBL, dpLBL;
  ChartModel chart;
  // The lines of the strip below the panel (status_lines.h); ProgressLBL only in the
  // step-by-step window, nameless in the other.
  Label PopulationLBL, StandardErrorLBL, ProgressLBL;
};

// A text box's or a button's model with its design values from the window's description.
TextBox textBox(const WindowLayout& layout, std::string_view name);
Button button(const WindowLayout& layout, std::string_view name);

// The statistics value boxes, left to right, by their control names.
struct PanelBox {
  const char* name;
  Label WindowModel::*box;
};
inline constexpr std::array<PanelBox, 7> kPanelBoxes{{{"MinimoLBL", &WindowModel::MinimoLBL},
                                                      {"Q1LBL", &WindowModel::Q1LBL},
                                                      {"MedianaLBL", &WindowModel::MedianaLBL},
                                                      {"Q3LBL", &WindowModel::Q3LBL},
                                                      {"MaximoLBL", &WindowModel::MaximoLBL},
                                                      {"MediaLBL", &WindowModel::MediaLBL},
                                                      {"dpLBL", &WindowModel::dpLBL}}};

// The strip's lines, by their control names.
inline constexpr std::array<PanelBox, 3> kStatusLines{
    {{"PopulationLBL", &WindowModel::PopulationLBL},
     {"StandardErrorLBL", &WindowModel::StandardErrorLBL},
     {"ProgressLBL", &WindowModel::ProgressLBL}}};

// The design values of the window (texts, captions, positions in twips, visibility).
WindowModel initialModel(WindowKind tipo);

}  // namespace varnesk
