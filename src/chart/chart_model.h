#pragma once
// The chart controls of a simulation window, in twips, with their design values.
#include <array>
#include <vector>

#include "common/controls.h"

namespace varnesk {

struct ChartModel {
  Rect Shape1;  // the plot frame; the chart code reads it and never moves it
  std::array<Line, 6> LinhaGradeHorizontal;
  std::array<Label, 6> RotuloY;
  std::array<Line, 41> LinhaGradeVertical;
  std::array<Label, 41> RotuloX;
  std::vector<Rect> Coluna;  // 72 columns in the instant window, none in the step-by-step one
  Line MediaLIN;             // the population mean, step-by-step window only
};

}  // namespace varnesk
