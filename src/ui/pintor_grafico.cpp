#include "ui/pintor_grafico.h"

#include <QPainter>

#include "ui/twips.h"

namespace varnesk::ui {

namespace {

// Widths in device-independent pixels, so a high-dpi screen thickens lines with the rest.
QPen canetaFina(const QColor& cor, int largura = 1) {
  QPen caneta(cor);
  caneta.setWidth(largura);
  return caneta;
}

// Line ends go to the nearest pixel, as the edges of the boxes do, so a grid line and a
// column's top given the same twips land on the same row.
void pintarLinha(QPainter& pintor, const Line& linha) {
  if (!linha.visible) return;
  pintor.drawLine(emPixelsInteiros(linha.x1), emPixelsInteiros(linha.y1),
                  emPixelsInteiros(linha.x2), emPixelsInteiros(linha.y2));
}

// A rectangle's outline lies inside its box, as a shape's border does.
void contornarPorDentro(QPainter& pintor, const QRect& caixa) {
  pintor.drawRect(caixa.adjusted(0, 0, -1, -1));
}

void pintarColuna(QPainter& pintor, const Rect& coluna) {
  if (!coluna.visible || coluna.height <= 0) return;
  QRect caixa = caixaEmPixels(coluna.left, coluna.top, coluna.width, coluna.height);
  // A class of one or two means in 5000 is under a pixel high: it still shows one row of pixels
  // above the frame's bottom edge, which the frame's outline covers.
  if (caixa.height() < 2) caixa.setTop(caixa.bottom() - 1);
  if (caixa.width() < 1) return;
  pintor.fillRect(caixa, QColor(255, 0, 0));
  contornarPorDentro(pintor, caixa);
}

void pintarRotulo(QPainter& pintor, const Label& rotulo, const QColor& fundo) {
  if (!rotulo.visible) return;
  const QRectF caixa = caixaEmPixelsF(rotulo.left, rotulo.top, rotulo.width, rotulo.height);
  pintor.fillRect(caixa, fundo);
  pintor.drawText(caixa, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                  QString::fromStdString(rotulo.caption));
}

}  // namespace

void pintarSuperficie(QPainter& pintor, const SuperficieDesenho& circulos) {
  pintor.save();
  pintor.setRenderHint(QPainter::Antialiasing, true);
  pintor.setPen(canetaFina(Qt::black));
  pintor.setBrush(QColor(255, 0, 0));
  for (const Circulo& c : circulos) {
    const double raio = emPixels(c.raio);
    pintor.drawEllipse(QPointF(emPixels(c.x), emPixels(c.y)), raio, raio);
  }
  pintor.restore();
}

void pintarGrafico(QPainter& pintor, const ChartModel& grafico, const AparenciaGrafico& aparencia) {
  pintor.save();
  pintor.setRenderHint(QPainter::Antialiasing, false);
  pintor.setBrush(Qt::NoBrush);

  pintor.setPen(canetaFina(kCorLegendaInativa));
  for (const Line& linha : grafico.LinhaGradeHorizontal) pintarLinha(pintor, linha);
  for (const Line& linha : grafico.LinhaGradeVertical) pintarLinha(pintor, linha);

  pintor.setPen(canetaFina(QColor(128, 0, 0)));
  for (const Rect& coluna : grafico.Coluna) pintarColuna(pintor, coluna);

  if (!grafico.NormalCurve.empty()) {
    QPolygonF curva;
    for (const Point& p : grafico.NormalCurve) curva << QPointF(emPixels(p.x), emPixels(p.y));
    pintor.setRenderHint(QPainter::Antialiasing, true);
    pintor.setPen(canetaFina(QColor(0, 0, 128), 2));  // dark blue beside the red columns
    pintor.drawPolyline(curva);
    pintor.setRenderHint(QPainter::Antialiasing, false);
  }

  const Rect& moldura = grafico.Shape1;
  if (moldura.visible) {
    pintor.setPen(canetaFina(aparencia.corTexto));
    contornarPorDentro(pintor,
                       caixaEmPixels(moldura.left, moldura.top, moldura.width, moldura.height));
  }

  pintor.setPen(canetaFina(QColor(0, 0, 255), aparencia.larguraMediaLIN));
  pintarLinha(pintor, grafico.MediaLIN);

  pintor.setFont(aparencia.fonteRotulos);
  pintor.setPen(canetaFina(aparencia.corTexto));
  for (const Label& rotulo : grafico.RotuloY) pintarRotulo(pintor, rotulo, aparencia.fundoRotulos);
  for (const Label& rotulo : grafico.RotuloX) pintarRotulo(pintor, rotulo, aparencia.fundoRotulos);
  pintor.restore();
}

}  // namespace varnesk::ui
