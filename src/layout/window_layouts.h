#pragma once
// The description of each of the program's windows.
#include "layout/window_kind.h"
#include "layout/window_layout.h"

namespace varnesk {

const WindowLayout& form2Layout();  // the start screen
const WindowLayout& form3Layout();  // the configuration screen
// form1 (instant) or Form4 (step by step): the controls, the statistics panel and the chart's
// elements (plot frame, grid lines, axis labels, columns, mean line).
const WindowLayout& simulationLayout(WindowKind kind);

}  // namespace varnesk
