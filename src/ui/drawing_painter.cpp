#include "ui/drawing_painter.h"

#include <QPainter>
#include <QPolygonF>

#include "ui/qt_colors.h"
#include "ui/qt_fonts.h"
#include "ui/twips.h"

namespace varnesk::ui {
namespace {

// Widths in device-independent pixels, so a high-dpi screen thickens lines with the rest.
QPen pen(const QColor& color, int width) {
  QPen p(color);
  p.setWidth(width);
  return p;
}

QPointF pixels(const PointF& p) { return {toPixels(p.x), toPixels(p.y)}; }

Qt::Alignment qtAlignment(const Text& t) {
  const Qt::Alignment horizontal = t.alignment == Alignment::Right    ? Qt::AlignRight
                                   : t.alignment == Alignment::Center ? Qt::AlignHCenter
                                                                      : Qt::AlignLeft;
  return horizontal | (t.vertical == VerticalAlignment::Middle ? Qt::AlignVCenter : Qt::AlignTop);
}

struct Painter {
  QPainter& p;
  const QPalette& palette;
  const QRectF& area;
  QColor color(const Color& c) const { return qtColor(c, palette); }

  void operator()(const Fill& f) const { p.fillRect(area, color(f.color)); }
  void operator()(const GridLine& l) const {
    p.setPen(pen(color(l.color), l.width));
    p.drawLine(toWholePixels(l.x1), toWholePixels(l.y1), toWholePixels(l.x2), toWholePixels(l.y2));
  }
  void operator()(const SnappedBox& b) const {
    QRect box = snappedBox(b.box.left, b.box.top, b.box.width, b.box.height);
    if (b.keepVisible && box.height() < 2) box.setTop(box.bottom() - 1);
    if (box.width() < 1) return;
    if (b.fill) p.fillRect(box, color(*b.fill));
    if (!b.outline) return;
    p.setPen(pen(color(*b.outline), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box.adjusted(0, 0, -1, -1));  // the outline lies inside the box
  }
  void operator()(const PlainLine& l) const {
    p.setPen(pen(color(l.color), l.width));
    p.drawLine(pixels(l.from), pixels(l.to));
  }
  void operator()(const PlainBox& b) const {
    p.setPen(pen(color(b.outline), 1));
    p.setBrush(color(b.fill));
    p.drawRect(exactBox(b.left, b.top, b.width, b.height));
  }
  void operator()(const Dot& d) const {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(pen(color(d.outline), 1));
    p.setBrush(color(d.fill));
    const double r = toPixels(d.radius);
    p.drawEllipse(QPointF(toPixels(d.x), toPixels(d.y)), r, r);
    p.setRenderHint(QPainter::Antialiasing, false);
  }
  void operator()(const Curve& c) const {
    QPolygonF line;
    for (const PointF& point : c.points) line << pixels(point);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(pen(color(c.color), c.width));
    p.drawPolyline(line);
    p.setRenderHint(QPainter::Antialiasing, false);
  }
  void operator()(const Text& t) const {
    const QRectF box = exactBox(t.left, t.top, t.width, t.height);
    if (t.background) p.fillRect(box, color(*t.background));
    p.setFont(qtFont(t.font));
    p.setPen(pen(color(t.color), 1));
    p.drawText(box, qtAlignment(t) | Qt::TextDontClip, QString::fromStdString(t.text));
  }
};

}  // namespace

void paintDrawing(QPainter& painter, const DrawingList& drawing, const QPalette& palette,
                  const QRectF& area) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  const Painter paint{painter, palette, area};
  for (const DrawingPrimitive& primitive : drawing) std::visit(paint, primitive);
  painter.restore();
}

}  // namespace varnesk::ui
