#pragma once
// A simulation window's chart as the drawing list every front end paints: the dots of the
// surface, the grid, the columns, the normal curve, the plot frame, the mean line and the axis
// labels, in that order, with the colours and widths of the window's description.
#include "chart/chart_model.h"
#include "chart/drawing_list.h"
#include "layout/window_layout.h"

namespace varnesk {

DrawingList drawChart(const ChartModel& chart, const WindowLayout& layout);

// The normal curve of theory: dark blue beside the red columns.
inline constexpr Color kNormalCurveColor = Color::rgb(0, 0, 128);

}  // namespace varnesk

namespace varnesk {

// The chart and its axis labels: the whole width of the window between its two frames.
Box chartRegion(const WindowLayout& layout);

// The picture a teacher saves: the part `region` of the window (the chart with its axis labels,
// between the two frames) on the window's colour, with the window's own labels that lie in it.
DrawingList chartPicture(const ChartModel& chart, const WindowLayout& layout, const Box& region);

}  // namespace varnesk
