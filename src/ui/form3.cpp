#include "ui/form3.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "engine/configuration.h"
#include "ui/controles.h"
#include "ui/form_comparacao.h"
#include "ui/form_simulacao.h"

namespace varnesk::ui {

Form3::Form3(ServicosUi servicos, QWidget* dono)
    : QWidget(dono, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      servicos_(std::move(servicos)) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("Configuração"));
  setFont(fontePadrao());
  definirAreaCliente(this, 6405, 2355);

  auto* frame2 = novaMoldura(this, QStringLiteral("Frame2"), QStringLiteral("Gerar Histograma:"),
                             {135, 1050, 4005, 1080});
  auto* instantaneo = novoBotao(frame2, QStringLiteral("Command1"), QStringLiteral("Instantâneo"),
                                {450, 405, 1320, 405});
  auto* passoAPasso = novoBotao(frame2, QStringLiteral("Command3"), QStringLiteral("Passo a Passo"),
                                {2250, 420, 1350, 405});
  auto* sair =
      novoBotao(this, QStringLiteral("Command2"), QStringLiteral("Sair"), {4575, 1455, 1350, 405});
  auto* frame1 = novaMoldura(this, QStringLiteral("Frame1"), QString(), {135, 120, 6090, 765});
  numeroRepeticoes_ = novaCaixaTexto(frame1, QStringLiteral("NumeroRepeticoesTXT"),
                                     QStringLiteral("100"), {5025, 300, 735, 285});
  tamanhoDaAmostra_ = novaCaixaTexto(frame1, QStringLiteral("TamanhodaAmostraTXT"),
                                     QStringLiteral("1000"), {2055, 300, 735, 285});
  // Never shown and never ticked: it takes no part in what the screen does.
  auto* check1 = novaCaixaMarcacao(frame1, QStringLiteral("Check1"),
                                   QStringLiteral("Passo a Passo"), {1110, 600, 1515, 315});
  check1->setVisible(false);
  EstiloRotulo rotulo;
  rotulo.autoDimensionado = true;
  novoRotulo(frame1, QStringLiteral("Label2"), QStringLiteral("Número de Repetições:"),
             {3315, 360, 1680, 195}, rotulo);
  novoRotulo(frame1, QStringLiteral("Label1"), QStringLiteral("Tamanho da Amostra...:"),
             {330, 360, 1695, 195}, rotulo);

  empilharRotulosPorBaixo(this);
  definirTabulacao({{1, check1},
                    {2, tamanhoDaAmostra_},
                    {4, sair},
                    {5, numeroRepeticoes_},
                    {8, passoAPasso},
                    {9, instantaneo}});

  connect(instantaneo, &QPushButton::clicked, this, &Form3::instantaneo);
  connect(passoAPasso, &QPushButton::clicked, this, &Form3::passoAPasso);
  connect(sair, &QPushButton::clicked, this, &QWidget::close);

  // Beyond the layout: the comparison of sample sizes, from the right-click menu or Ctrl+T.
  auto* comparar = new QAction(QStringLiteral("Comparar tamanhos de amostra…"), this);
  comparar->setShortcut(Qt::CTRL | Qt::Key_T);
  addAction(comparar);
  setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(comparar, &QAction::triggered, this,
          [this] { abrirModal(new FormComparacao(servicos_, this), this); });
}

void Form3::instantaneo() {
  if (instantClicked(tamanhoDaAmostra_->text().toStdString(),
                        numeroRepeticoes_->text().toStdString(),
                        plataforma_) == WindowToOpen::Instant) {
    abrirSimulacao(WindowKind::Instant);
  }
}

void Form3::passoAPasso() {
  if (stepByStepClicked(tamanhoDaAmostra_->text().toStdString(),
                        numeroRepeticoes_->text().toStdString(),
                        plataforma_) == WindowToOpen::StepByStep) {
    abrirSimulacao(WindowKind::StepByStep);
  }
}

void Form3::abrirSimulacao(WindowKind tipo) {
  auto* janela = new FormSimulacao(tipo, servicos_, this);
  if (!janela->Load(tamanhoDaAmostra_->text(), numeroRepeticoes_->text())) {
    delete janela;
    return;
  }
  abrirModal(janela, this);
}

}  // namespace varnesk::ui
