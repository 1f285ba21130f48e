#pragma once
// Form2, the start screen: the program's titles on dark blue, the way to the configuration
// screen, and the end of the program.
#include <QWidget>

#include "ui/servicos.h"

class QGroupBox;

namespace varnesk::ui {

class Form2 : public QWidget {
  Q_OBJECT

 public:
  explicit Form2(ServicosUi servicos);

 protected:
  void closeEvent(QCloseEvent* evento) override;

 private:
  void Load();
  void iniciarSimulacao();  // Command1
  void encerrar();          // Command2, and the close box

  ServicosUi servicos_;
  QGroupBox* frame1_ = nullptr;
  QGroupBox* frame2_ = nullptr;
};

}  // namespace varnesk::ui
