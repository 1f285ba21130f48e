#include "ui/form2.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "ui/controles.h"
#include "ui/form3.h"
#include "ui/twips.h"

namespace varnesk::ui {

namespace {
const QColor kAzulEscuro(0, 0, 64);
const QColor kAzul(0, 0, 192);
const QColor kCiano(192, 255, 255);

// A title drawn twice, the light cyan copy 15 twips right of and below the blue one, so the
// blue one shows as a shadow along its upper left edges.
EstiloRotulo titulo(double pontos, const QColor& cor) {
  return {fonte(Familia::Verdana, pontos, true), true, true, cor};
}
}  // namespace

Form2::Form2(ServicosUi servicos) : servicos_(std::move(servicos)) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Varnesk") + QString(36, QLatin1Char(' ')) +
                 QStringLiteral("Estimativa Amostral da Taxa Média de Perda"));
  QPalette paleta = palette();
  paleta.setColor(QPalette::Window, kAzulEscuro);
  setPalette(paleta);
  setAutoFillBackground(true);
  definirAreaCliente(this, 12900, 7815);

  const QString linha1 = QStringLiteral("Estimativa Amostral da Taxa Média de Perda");
  const QString linha2 = QStringLiteral("Sistema de Simulação em Tempo Real");
  const QString linha3 = QStringLiteral("Precisão da Estimativa em Função do Tamanho Amostral");

  frame1_ = novaMoldura(this, QStringLiteral("Frame1"), QString(), {330, 255, 11775, 5850},
                        kAzulEscuro);
  novoRotulo(frame1_, QStringLiteral("Label1"), linha1, {690, 1350, 10110, 480}, titulo(20.25, kAzul));
  novoRotulo(frame1_, QStringLiteral("Label4"), linha1, {705, 1365, 10110, 480}, titulo(20.25, kCiano));
  novoRotulo(frame1_, QStringLiteral("Label2"), linha2, {1620, 2895, 8625, 480}, titulo(20.25, kAzul));
  novoRotulo(frame1_, QStringLiteral("Label3"), linha3, {1020, 4470, 9930, 375}, titulo(15.75, kAzul));
  novoRotulo(frame1_, QStringLiteral("Label6"), linha3, {1035, 4485, 9930, 375}, titulo(15.75, kCiano));
  novoRotulo(frame1_, QStringLiteral("Label5"), linha2, {1635, 2910, 8625, 480}, titulo(20.25, kCiano));

  frame2_ = novaMoldura(this, QStringLiteral("Frame2"), QString(), {2820, 6330, 5475, 1170},
                        kAzulEscuro);
  const QFont negrito = fonte(Familia::SansSerif, 8.25, true);
  auto* iniciar = novoBotao(frame2_, QStringLiteral("Command1"),
                            QStringLiteral("Iniciar Simulação"), {735, 435, 1725, 450}, negrito);
  auto* sair = novoBotao(frame2_, QStringLiteral("Command2"), QStringLiteral("Sair do Programa"),
                         {3105, 435, 1725, 450}, negrito);
  empilharRotulosPorBaixo(this);
  definirTabulacao({{1, iniciar}, {6, sair}});

  connect(iniciar, &QPushButton::clicked, this, &Form2::iniciarSimulacao);
  connect(sair, &QPushButton::clicked, this, &Form2::encerrar);
  Load();
}

void Form2::Load() {
  // Centred on the whole screen, in twips, without rounding: not on the window, which the
  // screen's work area and the window's border make narrower.
  const auto larguraTela = static_cast<float>(screen()->geometry().width() * kTwipsPorPixel);
  for (QGroupBox* moldura : {frame1_, frame2_}) {
    const auto largura = static_cast<float>(moldura->width() * kTwipsPorPixel);
    const float esquerda = (larguraTela - largura) / 2;
    moldura->move(emPixelsInteiros(esquerda), moldura->y());
  }
}

void Form2::iniciarSimulacao() { abrirModal(new Form3(servicos_, this), this); }

void Form2::encerrar() { servicos_.encerrarPrograma(); }

void Form2::closeEvent(QCloseEvent* evento) {
  evento->accept();
  encerrar();
}

}  // namespace varnesk::ui
