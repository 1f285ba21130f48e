#include "chart/svg_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/number_text.h"

namespace varnesk {
namespace {

constexpr double kTwipsPerPixel = 15.0;

// Halves away from zero, as both painters round twips to pixels.
long wholePixels(double twips) { return std::lround(twips / kTwipsPerPixel); }

// Positions with at most three decimals, without trailing zeros: the same text on every system.
std::string number(double value) {
  std::string text = formatFixed(value, 3, '.');
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  return text == "-0" ? "0" : text;
}

// A dash of 4 line widths and a gap of 2, or a dot of 1 and a gap of 2.
std::string dashes(LineStyle style, int width) {
  if (style == LineStyle::Solid) return {};
  const int mark = style == LineStyle::Dashed ? 4 * width : width;
  return " stroke-dasharray=\"" + std::to_string(mark) + "," + std::to_string(2 * width) + "\"";
}

std::string colour(const Color& c) {
  if (c.system == SystemColor::ButtonFace) return "rgb(240,240,240)";
  if (c.system == SystemColor::WindowText) return "rgb(0,0,0)";
  return "rgb(" + std::to_string(c.r) + ',' + std::to_string(c.g) + ',' + std::to_string(c.b) + ')';
}

std::string escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

// The faces that stand in for the windows' fonts, by name, as the page names them.
std::string family(FontFamily f) {
  switch (f) {
    case FontFamily::Verdana: return "'DejaVu Sans', Verdana, sans-serif";
    case FontFamily::Arial: return "'Liberation Sans', Arial, sans-serif";
    case FontFamily::Symbol: return "'DejaVu Sans', sans-serif";
    case FontFamily::MsSansSerif: break;
  }
  return "'MS Sans Serif', 'DejaVu Sans Condensed', 'DejaVu Sans', sans-serif";
}

struct Writer {
  std::string& out;
  long originX, originY;  // the region's corner, in whole pixels
  double width, height;   // of the picture, in pixels

  double x(double twips) const { return twips / kTwipsPerPixel - static_cast<double>(originX); }
  double y(double twips) const { return twips / kTwipsPerPixel - static_cast<double>(originY); }

  void rect(double left, double top, double w, double h, const Color& fill) const {
    out += "<rect x=\"" + number(left) + "\" y=\"" + number(top) + "\" width=\"" + number(w) +
           "\" height=\"" + number(h) + "\" fill=\"" + colour(fill) + "\"/>\n";
  }
  void line(double x1, double y1, double x2, double y2, const Color& c, int w,
            LineStyle style = LineStyle::Solid) const {
    out += "<line x1=\"" + number(x1) + "\" y1=\"" + number(y1) + "\" x2=\"" + number(x2) +
           "\" y2=\"" + number(y2) + "\" stroke=\"" + colour(c) + "\" stroke-width=\"" +
           std::to_string(w) + "\"" + dashes(style, w) + "/>\n";
  }

  void operator()(const Fill& f) const { rect(0, 0, width, height, f.color); }
  // Ends on whole pixels; a pen covers its pixel and those after it, both ends included.
  void operator()(const GridLine& l) const {
    const long x1 = wholePixels(l.x1) - originX, y1 = wholePixels(l.y1) - originY;
    const long x2 = wholePixels(l.x2) - originX, y2 = wholePixels(l.y2) - originY;
    const long before = l.width / 2;
    if (x1 == x2 || y1 == y2) {
      const long left = std::min(x1, x2) - before, top = std::min(y1, y2) - before;
      rect(static_cast<double>(left), static_cast<double>(top),
           static_cast<double>(std::labs(x2 - x1) + l.width),
           static_cast<double>(std::labs(y2 - y1) + l.width), l.color);
    } else {
      line(static_cast<double>(x1) + 0.5, static_cast<double>(y1) + 0.5,
           static_cast<double>(x2) + 0.5, static_cast<double>(y2) + 0.5, l.color, l.width);
    }
  }
  // Each edge on its nearest pixel; the outline inside the edges.
  void operator()(const SnappedBox& b) const {
    long left = wholePixels(b.box.left), top = wholePixels(b.box.top);
    const long w = wholePixels(b.box.left + b.box.width) - left;
    long h = wholePixels(b.box.top + b.box.height) - top;
    if (b.keepVisible && h < 2) {
      top += h - 2;
      h = 2;
    }
    if (w < 1) return;
    h = std::max(h, 1L);
    left -= originX;
    top -= originY;
    const auto [l, t] = std::pair(static_cast<double>(left), static_cast<double>(top));
    const auto [wd, hd] = std::pair(static_cast<double>(w), static_cast<double>(h));
    if (b.fill) rect(l, t, wd, hd, *b.fill);
    if (!b.outline) return;
    out += "<rect x=\"" + number(l + 0.5) + "\" y=\"" + number(t + 0.5) + "\" width=\"" +
           number(std::max(wd - 1, 0.0)) + "\" height=\"" + number(std::max(hd - 1, 0.0)) +
           "\" fill=\"none\" stroke=\"" + colour(*b.outline) + "\" stroke-width=\"1\"/>\n";
  }
  void operator()(const PlainLine& l) const {
    line(x(l.from.x), y(l.from.y), x(l.to.x), y(l.to.y), l.color, l.width, l.style);
  }
  // Filled, the outline straddling the edges.
  void operator()(const PlainBox& b) const {
    out += "<rect x=\"" + number(x(b.left)) + "\" y=\"" + number(y(b.top)) + "\" width=\"" +
           number(b.width / kTwipsPerPixel) + "\" height=\"" + number(b.height / kTwipsPerPixel) +
           "\" fill=\"" + colour(b.fill) + "\" stroke=\"" + colour(b.outline) +
           "\" stroke-width=\"1\"/>\n";
  }
  void operator()(const Dot& d) const {
    out += "<circle cx=\"" + number(x(d.x)) + "\" cy=\"" + number(y(d.y)) + "\" r=\"" +
           number(d.radius / kTwipsPerPixel) + "\" fill=\"" + colour(d.fill) + "\" stroke=\"" +
           colour(d.outline) + "\" stroke-width=\"1\" shape-rendering=\"auto\"/>\n";
  }
  void operator()(const Curve& c) const {
    if (c.points.empty()) return;
    out += "<polyline points=\"";
    for (std::size_t i = 0; i < c.points.size(); ++i)
      out += (i ? " " : "") + number(x(c.points[i].x)) + ',' + number(y(c.points[i].y));
    out += "\" fill=\"none\" stroke=\"" + colour(c.color) + "\" stroke-width=\"" +
           std::to_string(c.width) + "\"" + dashes(c.style, c.width) +
           " stroke-linejoin=\"round\" shape-rendering=\"auto\"/>\n";
  }
  // Placed in its box by its alignment, on a baseline at the face's ascent below a top edge.
  void operator()(const Text& t) const {
    const double left = x(t.left), top = y(t.top);
    const double w = t.width / kTwipsPerPixel, h = t.height / kTwipsPerPixel;
    if (t.background) rect(left, top, w, h, *t.background);
    const double size = std::round(t.font.points * 96 / 72);
    const char* anchor = t.alignment == Alignment::Right    ? "end"
                         : t.alignment == Alignment::Center ? "middle"
                                                            : "start";
    const double at = t.alignment == Alignment::Right    ? left + w
                      : t.alignment == Alignment::Center ? left + w / 2
                                                         : left;
    const bool middle = t.vertical == VerticalAlignment::Middle;
    out += "<text x=\"" + number(at) + "\" y=\"" + number(middle ? top + h / 2 : top) +
           "\" dominant-baseline=\"" + (middle ? "central" : "text-before-edge") +
           "\" text-anchor=\"" + anchor + "\" font-family=\"" + family(t.font.family) +
           "\" font-size=\"" + number(size) + "\"" +
           (t.font.family == FontFamily::MsSansSerif ? " font-stretch=\"condensed\"" : "") +
           (t.font.bold ? " font-weight=\"bold\"" : "") + " fill=\"" + colour(t.color) +
           "\" xml:space=\"preserve\">" + escaped(t.text) + "</text>\n";
  }
};

}  // namespace

std::string svgDocument(const DrawingList& drawing, const Box& region) {
  const long x0 = wholePixels(region.left), y0 = wholePixels(region.top);
  const long width = wholePixels(region.left + region.width) - x0;
  const long height = wholePixels(region.top + region.height) - y0;
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
         std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " +
         std::to_string(width) + ' ' + std::to_string(height) +
         "\" shape-rendering=\"crispEdges\">\n";
  const Writer write{out, x0, y0, static_cast<double>(width), static_cast<double>(height)};
  for (const DrawingPrimitive& primitive : drawing) std::visit(write, primitive);
  return out + "</svg>\n";
}

}  // namespace varnesk
