#pragma once
// The controls of a simulation window that its logic reads and writes, and its chart, starting
// from the window's description. Controls that a window's description lacks (the playback and
// the counter's line in the instant window) keep an empty name and are not shown.
#include <array>

#include "chart/chart_model.h"
#include "common/controls.h"
#include "layout/window_layout.h"

namespace varnesk {

// The statistics value boxes, left to right.
inline constexpr std::array<const char*, 7> kPanelNames{
    "MinimoLBL", "Q1LBL", "MedianaLBL", "Q3LBL", "MaximoLBL", "MediaLBL", "dpLBL"};

struct SimulationControls {
  ControlState TamanhodaAmostraTXT, NumeroRepeticoesTXT, Command1, Command3;
  // The step-by-step window's playback: its caption says what a press does next, and it is held
  // down (checked) while the clock adds the means.
  ControlState PlayButton;
  std::array<ControlState, kPanelNames.size()> panel;  // in kPanelNames' order
  // The lines of the strip below the panel (status_lines.h); ProgressLBL only in the
  // step-by-step window.
  ControlState PopulationLBL, StandardErrorLBL, ProgressLBL;

  // In the order of the description, the nameless ones left out.
  ControlStates list() const;
};

// The design values of the window's controls and of its chart (texts, captions, positions in
// twips, visibility).
SimulationControls initialControls(const WindowLayout& layout);
ChartModel initialChart(const WindowLayout& layout);

}  // namespace varnesk
