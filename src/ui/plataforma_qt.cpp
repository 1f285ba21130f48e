#include "ui/plataforma_qt.h"

#include <QApplication>
#include <QWidget>

namespace varnesk::ui {

PlataformaQt::PlataformaQt(QWidget& janela, const ServicosUi& servicos,
                           SuperficieDesenho* superficie)
    : janela_(janela), servicos_(servicos), superficie_(superficie) {}

// A window still loading is not on screen yet: its messages and focus moves belong to the one
// that opens it.
QWidget* PlataformaQt::janelaNaTela() const {
  return janela_.isVisible() || janela_.parentWidget() == nullptr
             ? &janela_
             : janela_.parentWidget()->window();
}

void PlataformaQt::showMessage(const std::string& text) {
  servicos_.mostrarMensagem(janelaNaTela(), QString::fromStdString(text));
}

void PlataformaQt::setFocus(const std::string& controlName) {
  // Only that window's own control: the windows it opened hold controls of the same names.
  QWidget* janela = janelaNaTela();
  for (QWidget* controle : janela->findChildren<QWidget*>(QString::fromStdString(controlName))) {
    if (controle->window() == janela) {
      controle->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
}

void PlataformaQt::setBusy(bool busy) {
  if (busy == ocupado_) return;
  ocupado_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void PlataformaQt::clearSurface() {
  if (superficie_ == nullptr) return;
  superficie_->clear();
  janela_.update();
}

void PlataformaQt::drawCircle(float x, float y, float radius) {
  if (superficie_ == nullptr) return;
  superficie_->push_back({x, y, radius});
  janela_.update();
}

}  // namespace varnesk::ui
