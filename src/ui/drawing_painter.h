#pragma once
// Paints a drawing list of the core onto a Qt surface, each primitive by the pixel rule the list
// gives it: 15 twips to a pixel, times `scale` (a window's zoom), whose lines stay whole device
// pixels of even thickness.
#include <QPalette>
#include <QRectF>

#include "chart/drawing_list.h"

class QPainter;

namespace varnesk::ui {

// `palette` gives the system's colours; `area` (device pixels) is what a Fill covers.
void paintDrawing(QPainter& painter, const DrawingList& drawing, const QPalette& palette,
                  const QRectF& area = {}, double scale = 1.0);

}  // namespace varnesk::ui
