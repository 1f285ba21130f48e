#include "ui/grafico_comparacao.h"

#include <QLocale>
#include <QPainter>
#include <algorithm>

#include "common/color.h"

namespace varnesk::ui {

namespace {
constexpr int kClasses = 60;
constexpr int kMargemEsquerda = 90, kMargemDireita = 20, kMargemBase = 36;
}  // namespace

GraficoComparacao::GraficoComparacao(QWidget* pai) : QWidget(pai) {
  setObjectName(QStringLiteral("GraficoComparacao"));
  setMinimumSize(600, 320);
}

void GraficoComparacao::mostrar(const std::vector<ComparisonRow>& linhas) {
  std::vector<std::vector<float>> medias;
  tamanhos_.clear();
  for (const ComparisonRow& l : linhas) {
    tamanhos_.push_back(l.n);
    medias.push_back(l.medias);
  }
  mediaPopulacao_ = linhas.empty() ? 0 : linhas.front().teoria.media;
  histogramas_ = sharedHistograms(medias, mediaPopulacao_, kClasses);
  update();
}

void GraficoComparacao::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  if (tamanhos_.empty()) return;
  const double esquerda = kMargemEsquerda, largura = width() - kMargemEsquerda - kMargemDireita;
  const double alturaLinha =
      static_cast<double>(height() - kMargemBase) / static_cast<double>(tamanhos_.size());
  const double fim = histogramas_.inicio + kClasses * histogramas_.largura;
  const auto x = [&](double valor) {
    return esquerda + (valor - histogramas_.inicio) / (fim - histogramas_.inicio) * largura;
  };
  const QLocale local = QLocale::system();

  for (std::size_t i = 0; i < tamanhos_.size(); ++i) {
    const auto& contagens = histogramas_.contagens[i];
    const double base = (static_cast<double>(i) + 1) * alturaLinha - 4;
    const int maior = std::max(1, *std::max_element(contagens.begin(), contagens.end()));
    p.setPen(Qt::black);
    p.drawText(QRectF(0, base - alturaLinha + 4, kMargemEsquerda - 8, alturaLinha - 4),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("n = %1").arg(tamanhos_[i]));
    p.setPen(QColor(128, 0, 0));
    p.setBrush(QColor(255, 0, 0));
    // Each histogram fills its own band: its shape, not its area.
    for (int c = 0; c < kClasses; ++c) {
      const double alto = (alturaLinha - 12) * contagens[static_cast<std::size_t>(c)] / maior;
      if (contagens[static_cast<std::size_t>(c)] > 0)
        p.drawRect(QRectF(x(histogramas_.inicio + c * histogramas_.largura), base - alto,
                          largura / kClasses, alto));
    }
    p.setPen(QColor(kInactiveCaption.r, kInactiveCaption.g, kInactiveCaption.b));
    p.drawLine(QPointF(esquerda, base), QPointF(esquerda + largura, base));
  }
  const double eixo = height() - kMargemBase + 2;
  p.setPen(Qt::black);
  p.drawLine(QPointF(esquerda, eixo), QPointF(esquerda + largura, eixo));
  for (double marca : axisMarks(histogramas_.inicio, fim, 8)) {
    p.drawLine(QPointF(x(marca), eixo), QPointF(x(marca), eixo + 4));
    p.drawText(QRectF(x(marca) - 40, eixo + 6, 80, 20), Qt::AlignHCenter | Qt::AlignTop,
               local.toString(marca, 'g', 6));
  }
  p.setPen(QPen(QColor(0, 0, 255), 2));  // the population mean, as in the step-by-step window
  p.drawLine(QPointF(x(mediaPopulacao_), 0), QPointF(x(mediaPopulacao_), eixo));
}

}  // namespace varnesk::ui
