#pragma once
// The windows are laid out in twips, like the models the logic writes; only drawing converts to
// pixels (device-independent ones, so high-dpi screens scale the whole window alike).
#include <QRect>
#include <QRectF>
#include <cmath>

namespace varnesk::ui {

inline constexpr double kTwipsPerPixel = 15.0;

inline double toPixels(double twips) { return twips / kTwipsPerPixel; }
inline int toWholePixels(double twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

// A control's box: each edge is snapped to its own nearest pixel, so neighbouring boxes that
// share an edge in twips share it on screen too.
inline QRect snappedBox(double left, double top, double width, double height) {
  const int x0 = toWholePixels(left), y0 = toWholePixels(top);
  const int x1 = toWholePixels(left + width), y1 = toWholePixels(top + height);
  return {x0, y0, x1 - x0, y1 - y0};
}

inline QRectF exactBox(double left, double top, double width, double height) {
  return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

}  // namespace varnesk::ui
