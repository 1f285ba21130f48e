#pragma once
// A colour of the core as Qt paints it: the system's colours come from the widget's palette.
#include <QColor>
#include <QPalette>

#include "common/color.h"

namespace varnesk::ui {

inline QColor qtColor(const Color& color, const QPalette& palette) {
  switch (color.system) {
    case SystemColor::ButtonFace: return palette.color(QPalette::Window);
    case SystemColor::WindowText: return palette.color(QPalette::WindowText);
    case SystemColor::None: break;
  }
  return {color.r, color.g, color.b};
}

}  // namespace varnesk::ui
