#include "chart/normal_curve.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace varnesk {

std::vector<Point> normalCurve(const ChartModel& chart, const ChartState& state, double lowest,
                               double mean, double sd, double means) {
  const int slots = state.scale.NumeroClasses + 1;
  if (!(sd > 0) || state.EscalaY <= 0 || slots < 2) return {};
  const Rect& frame = chart.Shape1;
  const double width = state.scale.AmplitudeClasse;
  const float slot = frame.width / static_cast<float>(slots);
  constexpr int kPointsPerClass = 8;  // points per class: smooth at any zoom
  std::vector<Point> points;
  for (int k = 0; k <= slots * kPointsPerClass; ++k) {
    const double classes = static_cast<double>(k) / kPointsPerClass;
    const double z = (lowest + classes * width - mean) / sd;
    // Means in a class of this width around x: means * width * density(x).
    const double expected =
        means * width * std::exp(-z * z / 2) / (sd * std::sqrt(2 * std::numbers::pi));
    const float y = chart.bottom() - static_cast<float>(expected) * state.EscalaY;
    points.push_back({frame.left + static_cast<float>(classes) * slot, std::max(y, frame.top)});
  }
  return points;
}

}  // namespace varnesk
