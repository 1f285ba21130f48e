#include "ui/drawing_painter.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>

#include "layout/zoom_steps.h"
#include "ui/qt_colors.h"
#include "ui/qt_fonts.h"
#include "ui/twips.h"

namespace varnesk::ui {
namespace {

// Widths in device-independent pixels, so a high-dpi screen thickens lines with the rest. Qt's
// dash and dot lines are the core's: 4 widths or 1, then a gap of 2.
QPen pen(const QColor& color, int width, LineStyle style = LineStyle::Solid) {
  QPen p(color);
  p.setWidth(width);
  p.setStyle(style == LineStyle::Dashed   ? Qt::DashLine
             : style == LineStyle::Dotted ? Qt::DotLine
                                          : Qt::SolidLine);
  p.setCapStyle(Qt::FlatCap);
  return p;
}

QPointF pixels(const PointF& p) { return {toPixels(p.x), toPixels(p.y)}; }

Qt::Alignment qtAlignment(const Text& t) {
  const Qt::Alignment horizontal = t.alignment == Alignment::Right    ? Qt::AlignRight
                                   : t.alignment == Alignment::Center ? Qt::AlignHCenter
                                                                      : Qt::AlignLeft;
  return horizontal | (t.vertical == VerticalAlignment::Middle ? Qt::AlignVCenter : Qt::AlignTop);
}

// Lines and box edges go to whole device pixels at the painter's scale, each line as thick as
// its width says wherever it falls; dots, curves and text are smoothed, so they are simply drawn
// scaled.
struct Painter {
  QPainter& p;
  const QPalette& palette;
  const QRectF& area;
  double scale;
  QColor color(const Color& c) const { return qtColor(c, palette); }
  int device(double pixels) const { return devicePixel(pixels, scale); }
  int thickness(double width) const { return evenLineWidth(width, scale); }
  // The pen covers its pixel and the ones after it, as an unsmoothed pen of that width does.
  void straightLine(const QColor& c, int x1, int y1, int x2, int y2, int width) const {
    if (x1 == x2 || y1 == y2) {
      const int before = width / 2;
      p.fillRect(QRect(QPoint(std::min(x1, x2) - before, std::min(y1, y2) - before),
                       QPoint(std::max(x1, x2) - before + width - 1,
                              std::max(y1, y2) - before + width - 1)),
                 c);
      return;
    }
    p.setPen(pen(c, width));
    p.drawLine(x1, y1, x2, y2);
  }

  void operator()(const Fill& f) const { p.fillRect(area, color(f.color)); }
  void operator()(const GridLine& l) const {
    straightLine(color(l.color), device(toWholePixels(l.x1)), device(toWholePixels(l.y1)),
                 device(toWholePixels(l.x2)), device(toWholePixels(l.y2)), thickness(l.width));
  }
  void operator()(const SnappedBox& b) const {
    QRect box = snappedBox(b.box.left, b.box.top, b.box.width, b.box.height);
    if (b.keepVisible && box.height() < 2) box.setTop(box.bottom() - 1);
    if (box.width() < 1) return;
    const QRect d(
        QPoint(device(box.left()), device(box.top())),
        QPoint(device(box.left() + box.width()) - 1, device(box.top() + box.height()) - 1));
    if (b.fill) p.fillRect(d, color(*b.fill));
    if (!b.outline) return;
    const int t = thickness(1);  // the outline lies inside the box
    const QColor c = color(*b.outline);
    p.fillRect(QRect(d.left(), d.top(), d.width(), t), c);
    p.fillRect(QRect(d.left(), d.bottom() - t + 1, d.width(), t), c);
    p.fillRect(QRect(d.left(), d.top(), t, d.height()), c);
    p.fillRect(QRect(d.right() - t + 1, d.top(), t, d.height()), c);
  }
  void operator()(const PlainLine& l) const {
    p.setPen(pen(color(l.color), thickness(l.width), l.style));
    p.drawLine(pixels(l.from) * scale, pixels(l.to) * scale);
  }
  void operator()(const PlainBox& b) const {
    p.setPen(pen(color(b.outline), thickness(1)));
    p.setBrush(color(b.fill));
    const QRectF r = exactBox(b.left, b.top, b.width, b.height);
    p.drawRect(QRectF(r.topLeft() * scale, r.size() * scale));
  }
  // The smoothed primitives are drawn in layout pixels, scaled by the painter.
  template <class Primitive>
  void scaled(const Primitive& primitive) const {
    p.save();
    p.scale(scale, scale);
    draw(primitive);
    p.restore();
  }
  void operator()(const Dot& d) const { scaled(d); }
  void operator()(const Curve& c) const { scaled(c); }
  void operator()(const Text& t) const { scaled(t); }

  void draw(const Dot& d) const {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(pen(color(d.outline), 1));
    p.setBrush(color(d.fill));
    const double r = toPixels(d.radius);
    p.drawEllipse(QPointF(toPixels(d.x), toPixels(d.y)), r, r);
    p.setRenderHint(QPainter::Antialiasing, false);
  }
  void draw(const Curve& c) const {
    QPolygonF line;
    for (const PointF& point : c.points) line << pixels(point);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(pen(color(c.color), c.width, c.style));
    p.drawPolyline(line);
    p.setRenderHint(QPainter::Antialiasing, false);
  }
  void draw(const Text& t) const {
    const QRectF box = exactBox(t.left, t.top, t.width, t.height);
    if (t.background) p.fillRect(box, color(*t.background));
    p.setFont(qtFont(t.font));
    p.setPen(pen(color(t.color), 1));
    p.drawText(box, qtAlignment(t) | Qt::TextDontClip, QString::fromStdString(t.text));
  }
};

}  // namespace

void paintDrawing(QPainter& painter, const DrawingList& drawing, const QPalette& palette,
                  const QRectF& area, double scale) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  const Painter paint{painter, palette, area, scale};
  for (const DrawingPrimitive& primitive : drawing) std::visit(paint, primitive);
  painter.restore();
}

}  // namespace varnesk::ui
