#include "ui/form_simulacao.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "ui/controles.h"
#include "ui/fontes.h"

namespace varnesk::ui {

namespace {

bool instantanea(WindowKind tipo) { return tipo == WindowKind::Instant; }

Qt::WindowFlags molduraJanela(WindowKind tipo) {
  // Only the step-by-step window can be minimized or maximized.
  if (!instantanea(tipo)) return Qt::Window;
  return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
         Qt::WindowCloseButtonHint;
}

QString titulo(WindowKind tipo) {
  if (instantanea(tipo)) {
    return QStringLiteral("Varnesk") + QString(39, QLatin1Char(' ')) +
           QStringLiteral("Sistema de Simulação em Tempo Real");
  }
  return QStringLiteral("Varnesk") + QString(30, QLatin1Char(' ')) +
         QStringLiteral("Sistema de Simulação em Tempo Real  (Passo a Passo)");
}

struct CaixaValor {
  const char* rotulo;
  const char* legenda;
  double esquerdaRotulo;
  const char* nome;
  double esquerda;
  const char* dica;
  Label WindowModel::*campo;
};

// The statistics panel, left to right.
const std::array<CaixaValor, 7> kPainel{{
    {"Label3", "Mínimo:", 120, "MinimoLBL", 705, "Menor Valor da Amostra", &WindowModel::MinimoLBL},
    {"Label4", "Q1:", 1860, "Q1LBL", 2130, "Primeiro Quartil", &WindowModel::Q1LBL},
    {"Label5", "Mediana:", 3150, "MedianaLBL", 3840, "Mediana", &WindowModel::MedianaLBL},
    {"lax", "Q3:", 4860, "Q3LBL", 5145, "Terceiro Quartil", &WindowModel::Q3LBL},
    {"Label7", "Máximo:", 6225, "MaximoLBL", 6825, "Maior Valor da Amostra",
     &WindowModel::MaximoLBL},
    {"Label11", "Média:", 7935, "MediaLBL", 8430, "Média da Amostra", &WindowModel::MediaLBL},
    {"Label10", "dp:", 9435, "dpLBL", 9675, "Desvio Padrão da Amostra", &WindowModel::dpLBL},
}};

}  // namespace

FormSimulacao::FormSimulacao(WindowKind tipo, ServicosUi servicos, QWidget* dono)
    : QWidget(dono, molduraJanela(tipo)),
      tipo_(tipo),
      servicos_(std::move(servicos)),
      logica_(tipo, WindowEnvironment{plataforma_, medidorPadrao(), separadorDecimalRegional(),
                                   servicos_.arquivoPopulacao, servicos_.semente}) {
  setObjectName(instantanea(tipo) ? QStringLiteral("form1") : QStringLiteral("Form4"));
  setWindowTitle(titulo(tipo));
  setFont(fontePadrao());
  definirAreaCliente(this, 10845, 8160);
  aparencia_ = {fontePadrao(), palette().color(QPalette::Window),
                palette().color(QPalette::WindowText), instantanea(tipo) ? 2 : 3};
  montarControles();
  montarAcoes();
  mostrarModelo();
  connect(simular_, &QPushButton::clicked, this, &FormSimulacao::simular);
  connect(encerrar_, &QPushButton::clicked, this, &QWidget::close);
}

void FormSimulacao::montarControles() {
  const bool f1 = instantanea(tipo_);
  EstiloRotulo rotulo;
  rotulo.autoDimensionado = true;

  auto* frame1 = novaMoldura(this, QStringLiteral("Frame1"), QString(), {75, 60, 10665, 735});
  novoRotulo(frame1, QStringLiteral("Label1"), QStringLiteral("Tamanho da Amostra...:"),
             {435, 315, 1695, 195}, rotulo);
  tamanhoDaAmostra_ = novaCaixaTexto(frame1, QStringLiteral("TamanhodaAmostraTXT"),
                                     QStringLiteral("1000"), {2145, 255, 735, 285});
  novoRotulo(frame1, QStringLiteral("Label2"), QStringLiteral("Número de Repetições:"),
             {4275, 315, 1680, 195}, rotulo);
  numeroRepeticoes_ = novaCaixaTexto(frame1, QStringLiteral("NumeroRepeticoesTXT"),
                                     QStringLiteral("100"), {5985, 270, 735, 285});
  simular_ = novoBotao(frame1, QStringLiteral("Command1"), QStringLiteral("Simular"),
                       f1 ? Geometria{7680, 150, 1200, 525} : Geometria{7680, 165, 1200, 510});
  encerrar_ = novoBotao(
      frame1, QStringLiteral("Command3"),
      f1 ? QStringLiteral("Encerrar/ Configurar") : QStringLiteral(" Encerrar/ Configurar"),
      f1 ? Geometria{9210, 150, 1185, 525} : Geometria{9285, 165, 1185, 525});

  auto* frame2 = novaMoldura(this, QStringLiteral("Frame2"), QStringLiteral("Estatísticas Básicas"),
                             {75, 7425, 10665, 645});
  for (std::size_t i = 0; i < kPainel.size(); ++i) {
    const CaixaValor& c = kPainel[i];
    novoRotulo(frame2, QString::fromUtf8(c.rotulo), QString::fromUtf8(c.legenda),
               {c.esquerdaRotulo, 285, 0, 0}, rotulo);
    caixasValor_[i] = novaCaixaValor(frame2, QString::fromUtf8(c.nome), {c.esquerda, 270, 795, 240},
                                     QString::fromUtf8(c.dica));
  }

  // The title under the X axis: a Symbol-font d (a delta) followed by "médio".
  EstiloRotulo delta;
  delta.fonte = fonte(Familia::Symbol, 12, true);
  delta.autoDimensionado = true;
  delta.transparente = true;
  novoRotulo(this, QStringLiteral("Label6"), textoSymbol(QStringLiteral("d")),
             f1 ? Geometria{4740, 6930, 150, 300} : Geometria{5175, 6855, 150, 300}, delta);
  novoRotulo(this, QStringLiteral("lblmedio"), QStringLiteral("médio"),
             f1 ? Geometria{4950, 7065, 420, 195} : Geometria{5385, 6990, 420, 195}, rotulo);
  if (f1) {
    // The unit of the instant window's Y axis.
    EstiloRotulo unidade;
    unidade.fonte = fonte(Familia::Arial, 9.75, true);
    unidade.autoDimensionado = true;
    novoRotulo(this, QStringLiteral("Label8"), QStringLiteral("%"), {150, 3090, 150, 240}, unidade);
  }

  empilharRotulosPorBaixo(this);
  const WindowModel inicial = initialModel(tipo_);
  tamanhoDaAmostra_->setEnabled(inicial.TamanhodaAmostraTXT.enabled);
  numeroRepeticoes_->setEnabled(inicial.NumeroRepeticoesTXT.enabled);
  if (f1) {
    definirTabulacao(
        {{52, tamanhoDaAmostra_}, {53, numeroRepeticoes_}, {54, simular_}, {71, encerrar_}});
  } else {
    definirTabulacao(
        {{1, simular_}, {2, numeroRepeticoes_}, {3, tamanhoDaAmostra_}, {10, encerrar_}});
  }
}

bool FormSimulacao::Load(const QString& tamanhoDaAmostra, const QString& numeroRepeticoes) {
  const bool abrir = logica_.Load(tamanhoDaAmostra.toStdString(), numeroRepeticoes.toStdString());
  mostrarModelo();
  return abrir;
}

void FormSimulacao::simular() {
  logica_.Simular();
  mostrarModelo();
}

void FormSimulacao::simularVarias(int vezes) {
  logica_.simulateMany(vezes);
  mostrarModelo();
}

void FormSimulacao::mostrarModelo() {
  const WindowModel& m = logica_.modelo();
  const auto mostrarTexto = [](QLineEdit* caixa, const TextBox& modelo) {
    caixa->setText(QString::fromStdString(modelo.text));
    caixa->setEnabled(modelo.enabled);
  };
  mostrarTexto(tamanhoDaAmostra_, m.TamanhodaAmostraTXT);
  mostrarTexto(numeroRepeticoes_, m.NumeroRepeticoesTXT);
  // Disabled with the focus, Simular would hand it to Encerrar/ Configurar, which one more Space
  // would press: the finished chart would be gone. The window itself keeps it instead.
  if (!m.Command1.enabled && simular_->hasFocus()) setFocus(Qt::OtherFocusReason);
  simular_->setEnabled(m.Command1.enabled);
  encerrar_->setEnabled(m.Command3.enabled);
  for (std::size_t i = 0; i < kPainel.size(); ++i) {
    caixasValor_[i]->setText(QString::fromStdString((m.*kPainel[i].campo).caption));
  }
  update();
}

void FormSimulacao::paintEvent(QPaintEvent*) {
  QPainter pintor(this);
  pintor.scale(escala_, escala_);
  pintarSuperficie(pintor, superficie_);
  pintarGrafico(pintor, logica_.modelo().chart, aparencia_);
}

}  // namespace varnesk::ui
