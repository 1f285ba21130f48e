#pragma once
// Everything that sets the two simulation windows apart, in one place.
#include <array>

#include "chart/chart_traits.h"
#include "engine/window_procedures.h"
#include "layout/window_kind.h"
#include "stats/statistics.h"

namespace varnesk {

struct WindowTraits {
  WindowKind kind;
  ChartTraits chart;
  MeanPrecision precision;  // of MediaGeral: single in form1, double in Form4
  // Form4 draws its whole run at Load and shows it one mean per click; its Y axis fits the first
  // 100 stored means, then the first 500 after 101 shown, then the first 1000 after 501.
  bool stepByStep;
  std::array<int, 3> stages;
  bool normalCurve;  // the overlay of theory, on the chart's own axis (percent or counts)
  const WindowProcedures& (*procedures)();  // its Load, its Simular, its seed
  // The line at the population mean can be hidden (the instant window, where it starts hidden);
  // the step-by-step window always shows it.
  bool populationMeanOption = false;
};

inline constexpr WindowTraits kInstantWindow{
    WindowKind::Instant, kInstantChart, MeanPrecision::Single, false, {}, true,
    instantProcedures,   true};
inline constexpr WindowTraits kStepByStepWindow{
    WindowKind::StepByStep, kStepByStepChart, MeanPrecision::Double, true, {100, 500, 1000}, true,
    stepByStepProcedures};

inline const WindowTraits& traitsOf(WindowKind kind) {
  return kind == WindowKind::Instant ? kInstantWindow : kStepByStepWindow;
}

}  // namespace varnesk
