#pragma once
// A whole window at another scale, for the classroom projector: every control keeps its box in
// twips, so the window, its controls, their fonts and the chart grow together.
class QWidget;

namespace varnesk::ui {

inline constexpr double kSmallestZoom = 0.5, kLargestZoom = 3.0, kZoomStep = 0.25;

// Records a control's box in twips; the window builder calls it for every control it places.
void rememberBox(QWidget* control, double left, double top, double width, double height);

// Places every control of the window at `zoom` times its laid-out box and font size (1: as
// laid out) and resizes the window's client area with them.
void applyZoom(QWidget* window, double zoom);

}  // namespace varnesk::ui
