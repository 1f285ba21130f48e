#include "apoio_janelas.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "engine/population.h"

namespace varnesk::ui::teste {

ServicosUi servicosDeTeste(const std::shared_ptr<Registro>& registro, std::uint64_t semente) {
  return {[registro](QWidget* dono, const QString& texto) {
            registro->mensagens << texto;
            registro->donos << (dono ? dono->objectName() : QString());
          },
          [registro] { ++registro->encerramentos; }, caminhoPopulacaoPadrao(),
          [semente] { return semente; }};
}

QWidget* janelaAtiva() { return QApplication::activeModalWidget(); }

void clicar(QWidget* janela, const char* botao) {
  QTest::mouseClick(controle<QPushButton>(janela, botao), Qt::LeftButton);
}

void processarEventos() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

}  // namespace varnesk::ui::teste
