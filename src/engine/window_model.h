#pragma once
// The controls of a simulation window that its logic reads and writes, with their design
// values. The Qt windows render this model; the static decoration (frames, fixed captions,
// fonts) lives with the Qt windows.
#include <array>
#include <string>

#include "chart/chart_model.h"
#include "chart/window_kind.h"
#include "common/controls.h"

namespace varnesk {

struct WindowModel {
  TextBox TamanhodaAmostraTXT{"TamanhodaAmostraTXT", "1000", false};
  TextBox NumeroRepeticoesTXT{"NumeroRepeticoesTXT", "100", false};
  Button Command1{"Command1", "Simular", true};
  Button Command3{"Command3", "Encerrar/ Configurar", true};
  // The statistics value boxes, left to right: MinimoLBL, Q1LBL, MedianaLBL, Q3LBL,
  // MaximoLBL, MediaLBL, dpLBL.
  Label MinimoLBL, Q1LBL, MedianaLBL, Q3LBL, MaximoLBL, MediaLBL, dpLBL;
  ChartModel chart;
};

// The design values of the window (texts, captions, positions in twips, visibility).
WindowModel initialModel(WindowKind tipo);

}  // namespace varnesk
