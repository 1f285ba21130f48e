#pragma once
// The two simulation windows, form1 (instant) and Form4 (step by step): one class, told apart
// by WindowKind. The window owns the logic object, forwards Load and Simular to it, shows its
// text boxes, buttons and statistics, and paints its chart and dots. Beyond that layout, the
// teacher's right-click menu and keys (menu_simulacao.cpp): export, zoom, full screen, batches
// of means, the normal curve, the seed of the run.
#include <QWidget>
#include <array>

#include "engine/simulation_window.h"
#include "ui/pintor_grafico.h"
#include "ui/plataforma_qt.h"
#include "ui/servicos.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace varnesk::ui {

class FormSimulacao : public QWidget {
  Q_OBJECT

 public:
  FormSimulacao(WindowKind tipo, ServicosUi servicos, QWidget* dono);

  // With the configuration screen's two texts. False: the window must not open (the reason
  // has been shown already).
  bool Load(const QString& tamanhoDaAmostra, const QString& numeroRepeticoes);

  const SimulationWindow& logica() const { return logica_; }
  const SuperficieDesenho& superficie() const { return superficie_; }
  double escala() const { return escala_; }

  // What the menu and the keys do, also for the window tests.
  void simularVarias(int vezes);
  void mostrarCurvaNormal(bool mostrar);
  void mudarEscala(double escala);
  bool salvarGrafico(const QString& arquivo);
  bool salvarMedias(const QString& arquivo);
  void copiarEstatisticas();

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void contextMenuEvent(QContextMenuEvent* evento) override;

 private:
  void montarControles();
  void montarAcoes();
  bool naoGravou(const QString& arquivo);  // tells the teacher; always false
  void simular();  // Command1
  void mostrarModelo();

  WindowKind tipo_;
  ServicosUi servicos_;
  SuperficieDesenho superficie_;
  PlataformaQt plataforma_{*this, servicos_, &superficie_};
  SimulationWindow logica_;
  AparenciaGrafico aparencia_;
  double escala_ = 1.0;
  QAction* semente_ = nullptr;  // the menu's line that tells the seed of the run

  QLineEdit* tamanhoDaAmostra_ = nullptr;
  QLineEdit* numeroRepeticoes_ = nullptr;
  QPushButton* simular_ = nullptr;
  QPushButton* encerrar_ = nullptr;
  // MinimoLBL, Q1LBL, MedianaLBL, Q3LBL, MaximoLBL, MediaLBL, dpLBL.
  std::array<QLabel*, 7> caixasValor_{};
};

}  // namespace varnesk::ui
