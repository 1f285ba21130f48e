#include "ui/plataforma_qt.h"

#include <QApplication>
#include <QWidget>

namespace varnesk::ui {

PlataformaQt::PlataformaQt(QWidget& janela, const ServicosUi& servicos,
                           SuperficieDesenho* superficie)
    : janela_(janela), servicos_(servicos), superficie_(superficie) {}

void PlataformaQt::showMessage(const std::string& text) {
  // A window still loading is not on screen yet: its message belongs to the one that opens it.
  QWidget* dono = janela_.isVisible() ? &janela_ : janela_.parentWidget();
  servicos_.mostrarMensagem(dono, QString::fromStdString(text));
}

void PlataformaQt::setFocus(const std::string& controlName) {
  // Only this window's own control: the windows it opened hold controls of the same names.
  for (QWidget* controle : janela_.findChildren<QWidget*>(QString::fromStdString(controlName))) {
    if (controle->window() == &janela_) {
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
