#include "ui/escala.h"

#include <QRectF>
#include <QWidget>
#include <cmath>

#include "ui/twips.h"

namespace varnesk::ui {
namespace {
constexpr const char* kCaixa = "varnesk_caixa_twips";
constexpr const char* kFonte = "varnesk_fonte_px";

void escalar(QWidget* w, double escala) {
  const QRectF caixa = w->property(kCaixa).toRectF();
  if (!caixa.isNull()) {
    if (w->isWindow()) {
      w->resize(emPixelsInteiros(caixa.width() * escala),
                emPixelsInteiros(caixa.height() * escala));
    } else {
      w->setGeometry(caixaEmPixels(caixa.x() * escala, caixa.y() * escala, caixa.width() * escala,
                                   caixa.height() * escala));
    }
  }
  // Only fonts set on the control itself: the others follow their container's. Rounded down,
  // so that a caption still fits the box laid out for it.
  if (!w->testAttribute(Qt::WA_SetFont)) return;
  if (!w->property(kFonte).isValid()) w->setProperty(kFonte, w->font().pixelSize());
  QFont fonte = w->font();
  fonte.setPixelSize(
      std::max(1, static_cast<int>(std::floor(w->property(kFonte).toInt() * escala))));
  w->setFont(fonte);
}
}  // namespace

void lembrarCaixa(QWidget* controle, double left, double top, double width, double height) {
  controle->setProperty(kCaixa, QRectF(left, top, width, height));
}

void aplicarEscala(QWidget* janela, double escala) {
  escalar(janela, escala);
  for (QWidget* controle : janela->findChildren<QWidget*>()) {
    if (controle->window() == janela) escalar(controle, escala);
  }
}

}  // namespace varnesk::ui
