#pragma once
// The chart of a simulation window: its controls, in twips, and the class state that the
// chart procedures keep between calls.
#include <array>
#include <vector>
#include "common/limits.h"

#include "chart/scale.h"
#include "common/controls.h"

namespace varnesk {

struct Point {
  float x = 0, y = 0;  // twips
};

// A dot drawn on the step-by-step window's surface: a circle outlined in black and filled with
// the window's fill colour.
struct SurfaceDot {
  float x = 0, y = 0, radius = 0;  // twips
  bool operator==(const SurfaceDot&) const = default;
};

struct ChartModel {
  Rect Shape1;  // the plot frame; the chart code reads it and never moves it
  std::array<Line, kYLabels> LinhaGradeHorizontal;
  std::array<Label, kYLabels> RotuloY;
  std::array<Line, kXLabels> LinhaGradeVertical;
  std::array<Label, kXLabels> RotuloX;
  std::vector<Rect> Coluna;  // kColumns columns in the instant window, none in the step-by-step one
  Line MediaLIN;             // the population mean, step-by-step window only
  std::vector<Point> NormalCurve;  // when the teacher shows it: the curve of theory
  // What has been drawn on the surface since it was last cleared, in that order; it is painted
  // at every repaint, so the dots survive another window passing over them.
  std::vector<SurfaceDot> surface;

  float bottom() const { return Shape1.top + Shape1.height; }
};

struct ChartState {
  Scale scale;
  // Means per class; in the instant window turned into percentages once the Y axis is built.
  std::array<double, kFrequencySlots> Frequencias{};
  // Step-by-step window: class boundaries and class centres (twips) of the run drawn at load,
  // and the dot radius of the last Y-axis build.
  std::array<double, kBoundarySlots> LimitesClasses{};
  std::array<float, kCentreSlots> CentroColuna{};
  float RaioPonto = 0.0f;
  // Twips per unit of the last Y axis: a percentage point (instant window) or one mean.
  float EscalaY = 0.0f;
};

}  // namespace varnesk
