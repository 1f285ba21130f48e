#pragma once
// Paints a drawing list of the core onto a Qt surface, each primitive by the pixel rule the list
// gives it: 15 twips to a pixel, times whatever scale the painter already carries.
#include <QPalette>
#include <QRectF>

#include "chart/drawing_list.h"

class QPainter;

namespace varnesk::ui {

// `palette` gives the system's colours; `area` (pixels) is what a Fill covers.
void paintDrawing(QPainter& painter, const DrawingList& drawing, const QPalette& palette,
                  const QRectF& area = {});

}  // namespace varnesk::ui
