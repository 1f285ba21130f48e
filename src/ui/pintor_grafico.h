#pragma once
// Paints a simulation window's chart model, held in twips, onto the window's surface.
#include <QColor>
#include <QFont>

#include "chart/chart_model.h"
#include "ui/plataforma_qt.h"

class QPainter;

namespace varnesk::ui {

struct AparenciaGrafico {
  QFont fonteRotulos;       // the axis labels: the default font
  QColor fundoRotulos;      // opaque labels: the dialog colour
  QColor corTexto;          // the window text colour: labels and the outline of Shape1
  int larguraMediaLIN = 1;  // pixels
};

// The system's colour of an inactive window's caption bar, which the grid lines take. Linux
// desktops have no such colour; this is the one Windows gives it by default.
inline const QColor kCorLegendaInativa{191, 205, 219};

// The dots drawn on the surface lie beneath every control, as drawings do.
void pintarSuperficie(QPainter& pintor, const SuperficieDesenho& circulos);

// Grid lines, columns, the normal curve when shown, the plot frame, the mean line and the axis
// labels, in that order.
void pintarGrafico(QPainter& pintor, const ChartModel& grafico, const AparenciaGrafico& aparencia);

}  // namespace varnesk::ui
