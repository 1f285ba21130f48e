#include "chart/chart_drawing.h"

namespace varnesk {
namespace {

void addLine(DrawingList& out, const Line& line, Color color, int width) {
  if (line.visible) out.push_back(GridLine{line.x1, line.y1, line.x2, line.y2, color, width});
}

void addLabel(DrawingList& out, const Label& label) {
  if (!label.visible) return;
  out.push_back(Text{label.caption, label.left, label.top, label.width, label.height, kDefaultFont,
                     Color::of(SystemColor::WindowText), Color::of(SystemColor::ButtonFace)});
}

}  // namespace

DrawingList drawChart(const ChartModel& chart, const WindowLayout& layout) {
  DrawingList out;
  // Drawings lie beneath everything else on the window.
  const Color black = Color::rgb(0, 0, 0);
  const Color fill = layout.fillColor.value_or(black);
  for (const SurfaceDot& d : chart.surface) out.push_back(Dot{d.x, d.y, d.radius, fill, black});

  const Color grid = *layout.control("LinhaGradeHorizontal_0").foreground;
  for (const Line& line : chart.LinhaGradeHorizontal) addLine(out, line, grid, 1);
  for (const Line& line : chart.LinhaGradeVertical) addLine(out, line, grid, 1);

  if (!chart.Coluna.empty()) {
    const ControlLayout& column = layout.control("Coluna_0");
    for (const Rect& c : chart.Coluna)
      if (c.visible && c.height > 0)
        out.push_back(SnappedBox{
            {c.left, c.top, c.width, c.height}, column.background, column.foreground, true});
  }
  if (!chart.NormalCurve.empty()) {
    Curve curve{{}, kNormalCurveColor, 2, LineStyle::Dashed};  // theory, not a count
    for (const Point& p : chart.NormalCurve) curve.points.push_back({p.x, p.y});
    out.push_back(std::move(curve));
  }
  const Rect& frame = chart.Shape1;
  if (frame.visible)
    out.push_back(SnappedBox{{frame.left, frame.top, frame.width, frame.height},
                             std::nullopt,
                             layout.control("Shape1").foreground,
                             false});
  const ControlLayout& meanLine = layout.control("MediaLIN");
  addLine(out, chart.MediaLIN, *meanLine.foreground, meanLine.lineWidth);
  for (const Label& label : chart.RotuloY) addLabel(out, label);
  for (const Label& label : chart.RotuloX) addLabel(out, label);
  return out;
}

}  // namespace varnesk

namespace varnesk {

Box chartRegion(const WindowLayout& layout) {
  const Box& above = layout.control("Frame1").box;
  const Box& below = layout.control("Frame2").box;
  const float top = above.top + above.height + 5;
  return {0, top, layout.clientWidth, below.top - 5 - top};
}

DrawingList chartPicture(const ChartModel& chart, const WindowLayout& layout, const Box& region) {
  DrawingList out{Fill{layout.background.value_or(Color::of(SystemColor::ButtonFace))}};
  const DrawingList drawn = drawChart(chart, layout);
  out.insert(out.end(), drawn.begin(), drawn.end());
  for (const ControlLayout& c : layout.controls) {
    const bool inside =
        c.box.top >= region.top && c.box.top + c.box.height <= region.top + region.height;
    if (c.kind != ControlKind::Label || c.drawnByChart || !c.container.empty() || !inside) continue;
    out.push_back(Text{displayedText(c.caption, c.font.family), c.box.left, c.box.top, c.box.width,
                       c.box.height, c.font,
                       c.foreground.value_or(Color::of(SystemColor::WindowText)), std::nullopt});
  }
  return out;
}

}  // namespace varnesk
