#pragma once
// Form3, the configuration screen: sample size, number of repetitions, and the choice of the
// instant or the step-by-step window. Built afresh each time it opens; it stays open under a
// simulation window, which reads its two texts when it loads.
#include <QWidget>

#include "engine/window_model.h"
#include "ui/plataforma_qt.h"
#include "ui/servicos.h"

class QLineEdit;

namespace varnesk::ui {

class Form3 : public QWidget {
  Q_OBJECT

 public:
  Form3(ServicosUi servicos, QWidget* dono);

 private:
  void instantaneo();  // Command1
  void passoAPasso();  // Command3
  void abrirSimulacao(WindowKind tipo);

  ServicosUi servicos_;
  PlataformaQt plataforma_{*this, servicos_, nullptr};
  QLineEdit* tamanhoDaAmostra_ = nullptr;
  QLineEdit* numeroRepeticoes_ = nullptr;
};

}  // namespace varnesk::ui
