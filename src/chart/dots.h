#pragma once
// The step-by-step window's columns: stacks of dots, one per mean shown.
#include "chart/chart_model.h"

namespace varnesk {

// Counts one more mean into its class and draws its dot on top of that class's stack.
void AjustarColunas(ChartModel& chart, ChartState& state, float mean);

// Wipes the surface and draws every stack again at the current radius (after a new Y axis),
// when more than one mean has been shown.
void redrawDots(ChartModel& chart, const ChartState& state, int shown);

}  // namespace varnesk
