#include "engine/window_model.h"

namespace varnesk {
namespace {

// A value box of the statistics panel: fixed size, design text "0".
Label valueBox(const char* name, float left) { return {name, "0", left, 270, 795, 240, true, false}; }

// The axis labels are auto-sized and read "0" (90 x 195 twips in the default font) until the
// chart captions them; their design positions do not matter, the grid layout sets them.
Label axisLabel() { return {"", "0", 0, 0, 90, 195, true, true}; }

}  // namespace

WindowModel initialModel(WindowKind tipo) {
  const bool instant = tipo == WindowKind::Instant;
  WindowModel m;
  m.NumeroRepeticoesTXT.enabled = !instant;  // the step-by-step Load disables it itself
  if (!instant) m.Command3.caption = " Encerrar/ Configurar";
  m.MinimoLBL = valueBox("MinimoLBL", 705);
  m.Q1LBL = valueBox("Q1LBL", 2130);
  m.MedianaLBL = valueBox("MedianaLBL", 3840);
  m.Q3LBL = valueBox("Q3LBL", 5145);
  m.MaximoLBL = valueBox("MaximoLBL", 6825);
  m.MediaLBL = valueBox("MediaLBL", 8430);
  m.dpLBL = valueBox("dpLBL", 9675);

  ChartModel& c = m.chart;
  c.Shape1 = {1080, instant ? 990.0f : 975.0f, 9270, 5325, true};
  for (std::size_t i = 0; i < c.RotuloY.size(); ++i) {
    c.RotuloY[i] = axisLabel();
    c.RotuloY[i].name = "RotuloY_" + std::to_string(i);
  }
  for (std::size_t i = 0; i < c.RotuloX.size(); ++i) {
    c.RotuloX[i] = axisLabel();
    c.RotuloX[i].name = "RotuloX_" + std::to_string(i);
  }
  if (instant) c.Coluna.assign(72, Rect{0, 0, 210, 150, true});
  c.MediaLIN = instant ? Line{285, 3300, 285, 5040, false} : Line{420, 3000, 420, 3200, true};
  return m;
}

}  // namespace varnesk
