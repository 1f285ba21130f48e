#pragma once
// "Comparar tamanhos de amostra": the precision lesson in one screen. The teacher lists sample
// sizes and a number of repetitions; the window runs the engine once per size and shows the
// spread of the means beside the standard error of theory, and their histograms on one axis.
#include <QWidget>
#include <optional>

#include "engine/comparacao.h"
#include "engine/run_seeder.h"
#include "ui/qt_platform.h"
#include "ui/ui_services.h"

class QLineEdit;
class QTableWidget;

namespace varnesk::ui {

class GraficoComparacao;

class FormComparacao : public QWidget {
  Q_OBJECT

 public:
  FormComparacao(UiServices servicos, QWidget* dono);
  void comparar();  // the "Comparar" button

 private:
  UiServices servicos_;
  QtPlatform plataforma_{*this, servicos_};
  RunSeeder gerador_;
  QLineEdit* tamanhos_ = nullptr;
  QLineEdit* repeticoes_ = nullptr;
  QTableWidget* tabela_ = nullptr;
  GraficoComparacao* grafico_ = nullptr;
};

}  // namespace varnesk::ui
