#pragma once
// A whole window at another scale, for the classroom projector: every control keeps its box in
// twips, so the window, its controls, their fonts and the chart grow together.
class QWidget;

namespace varnesk::ui {

// Records a control's box in twips; the window builder calls it for every control it places.
void rememberBox(QWidget* control, double left, double top, double width, double height);

// Places the client area and every control in it at `zoom` times its laid-out box and font size
// (1: as laid out); the client area keeps its position, which its window decides.
void applyZoom(QWidget* client, double zoom);

// The zoom last applied to the control's client area; 1 before any.
double zoomOf(const QWidget* control);

}  // namespace varnesk::ui
