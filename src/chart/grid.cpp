#include "chart/grid.h"

namespace varnesk {

void MontarGrade(ChartModel& chart, ChartState& state) {
  const Rect& frame = chart.Shape1;
  const float bottom = chart.bottom();
  const float stepY = (frame.height - 100) / 4;  // four bands up to 100 twips below the top
  const float stepX = frame.width / 12;
  const int last = chart.Coluna.empty() ? 40 : static_cast<int>(chart.Coluna.size()) - 1;

  for (int i = 0; i <= last; ++i) {
    const auto u = static_cast<std::size_t>(i);
    const auto fi = static_cast<float>(i);
    if (u < chart.Coluna.size()) {
      chart.Coluna[u] = {frame.left + 10 * fi, bottom, 200, 0, false};
    }
    if (i > 40) continue;
    if (i <= 5) {
      Line& line = chart.LinhaGradeHorizontal[u];
      Label& label = chart.RotuloY[u];
      label.visible = line.visible = false;
      line.x1 = frame.left - 100;
      line.x2 = frame.left + frame.width;
      line.y1 = line.y2 = bottom - fi * stepY;
      label.top = line.y1 - label.height / 2;
      label.left = line.x1 - 10 - label.width;  // right edge 10 twips before the line
    }
    state.Frequencias[u] = 0;
    Line& vertical = chart.LinhaGradeVertical[u];
    vertical.x1 = vertical.x2 = frame.left + (fi + 1) * stepX;
    vertical.y1 = frame.top;
    vertical.y2 = bottom + 20;
    vertical.visible = false;
    chart.RotuloX[u].visible = false;
    chart.RotuloX[u].top = bottom + 20;  // the X labels hang from the vertical lines
  }
}

}  // namespace varnesk
