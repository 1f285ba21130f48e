#pragma once
// The windows are laid out in twips, like the models the logic writes; only drawing converts to
// pixels (device-independent ones, so high-dpi screens scale the whole window alike).
#include <QRect>
#include <QRectF>
#include <cmath>

namespace varnesk::ui {

inline constexpr double kTwipsPorPixel = 15.0;

inline double emPixels(double twips) { return twips / kTwipsPorPixel; }
inline int emPixelsInteiros(double twips) {
  return static_cast<int>(std::lround(twips / kTwipsPorPixel));
}

// A control's box: each edge is snapped to its own nearest pixel, so neighbouring boxes that
// share an edge in twips share it on screen too.
inline QRect caixaEmPixels(double left, double top, double width, double height) {
  const int x0 = emPixelsInteiros(left), y0 = emPixelsInteiros(top);
  const int x1 = emPixelsInteiros(left + width), y1 = emPixelsInteiros(top + height);
  return {x0, y0, x1 - x0, y1 - y0};
}

inline QRectF caixaEmPixelsF(double left, double top, double width, double height) {
  return {emPixels(left), emPixels(top), emPixels(width), emPixels(height)};
}

}  // namespace varnesk::ui
