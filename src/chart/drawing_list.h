#pragma once
// What a chart looks like, as a list of drawing primitives in twips, in painting order. The
// core makes the list; the desktop program's painter, its PNG export and the page's canvas only
// walk it. Each primitive says how it meets the pixel grid, so every renderer draws the same
// pixels: 15 twips to a pixel, times the window's zoom.
#include <string>
#include <variant>
#include <vector>

#include "common/color.h"
#include "common/font.h"
#include "layout/window_layout.h"

namespace varnesk {

// How a line is drawn along its length. Lines of different colours on one chart also differ in
// this or in width, so that no student needs to tell the colours apart: a dash is 4 line widths
// long, a dot 1, each followed by a gap of 2.
enum class LineStyle { Solid, Dashed, Dotted };

struct PointF {
  double x = 0, y = 0;
  bool operator==(const PointF&) const = default;
};

// A line whose two ends go to the nearest pixel, as the edges of the controls do, so that a
// grid line and a column's top given the same twips land on the same row. Not smoothed.
struct GridLine {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Color color;
  int width = 1;  // pixels
  bool operator==(const GridLine&) const = default;
};

// A box whose edges each go to the nearest pixel, filled when `fill` is set and outlined
// inside its edges, as a shape's border is. `keepVisible`: a box under two pixels high still
// shows as two rows above its bottom edge (a class of one mean in 5000).
struct SnappedBox {
  Box box;
  std::optional<Color> fill;
  std::optional<Color> outline;
  bool keepVisible = false;
  bool operator==(const SnappedBox&) const = default;
};

// A line or a filled rectangle drawn where it falls, between pixels too, not smoothed: the
// outline of a rectangle straddles its edges.
struct PlainLine {
  PointF from, to;
  Color color;
  int width = 1;
  LineStyle style = LineStyle::Solid;
  bool operator==(const PlainLine&) const = default;
};
struct PlainBox {
  double left = 0, top = 0, width = 0, height = 0;
  Color fill, outline;
  bool operator==(const PlainBox&) const = default;
};

// A circle filled and outlined, smoothed.
struct Dot {
  double x = 0, y = 0, radius = 0;
  Color fill, outline;
  bool operator==(const Dot&) const = default;
};

// A smoothed polyline (the normal curve of theory).
struct Curve {
  std::vector<PointF> points;
  Color color;
  int width = 1;
  LineStyle style = LineStyle::Solid;
  bool operator==(const Curve&) const = default;
};

enum class VerticalAlignment { Top, Middle };

// Text placed in a box by its alignment; it is not clipped to the box. With a background, the
// box is filled first (an opaque label).
struct Text {
  std::string text;
  double left = 0, top = 0, width = 0, height = 0;
  Font font;
  Color color;
  std::optional<Color> background;
  Alignment alignment = Alignment::Left;
  VerticalAlignment vertical = VerticalAlignment::Top;
  bool operator==(const Text&) const = default;
};

// Paints the whole area, under everything else.
struct Fill {
  Color color;
  bool operator==(const Fill&) const = default;
};

using DrawingPrimitive =
    std::variant<Fill, GridLine, SnappedBox, PlainLine, PlainBox, Dot, Curve, Text>;
using DrawingList = std::vector<DrawingPrimitive>;

}  // namespace varnesk
