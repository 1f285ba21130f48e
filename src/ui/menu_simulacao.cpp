// The teacher's controls of a simulation window, beyond its layout: a right-click menu whose
// entries also answer to keys. The window looks as laid out until one of them is used.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QMenu>

#include "ui/escala.h"
#include "ui/form_simulacao.h"
#include "ui/twips.h"

namespace varnesk::ui {

namespace {

QAction* acao(QWidget* janela, const QString& texto, const QList<QKeySequence>& teclas = {}) {
  auto* a = new QAction(texto, janela);
  a->setShortcuts(teclas);
  janela->addAction(a);  // the keys work without opening the menu
  return a;
}

// Asks with Qt's dialog where to save, then saves there; a cancelled dialog saves nothing.
void salvarComo(FormSimulacao* janela, const QString& titulo, const QString& nome,
                const QString& filtro, bool (FormSimulacao::*salvar)(const QString&)) {
  const QString arquivo = QFileDialog::getSaveFileName(janela, titulo, nome, filtro);
  if (!arquivo.isEmpty()) (janela->*salvar)(arquivo);
}

// The chart and its axis labels: everything between the two frames of the window.
constexpr double kTopoGrafico = 800, kBaseGrafico = 7420, kLarguraJanela = 10845;

}  // namespace

void FormSimulacao::montarAcoes() {
  const bool instantanea = tipo_ == WindowKind::Instant;
  connect(acao(this, QStringLiteral("Salvar gráfico como PNG…")), &QAction::triggered, this, [this] {
    salvarComo(this, QStringLiteral("Salvar gráfico"), QStringLiteral("grafico.png"),
               QStringLiteral("Imagens PNG (*.png)"), &FormSimulacao::salvarGrafico);
  });
  connect(acao(this, QStringLiteral("Salvar médias como CSV…")), &QAction::triggered, this, [this] {
    salvarComo(this, QStringLiteral("Salvar médias"), QStringLiteral("medias.csv"),
               QStringLiteral("Planilhas CSV (*.csv)"), &FormSimulacao::salvarMedias);
  });
  connect(acao(this, QStringLiteral("Copiar estatísticas")), &QAction::triggered, this,
          &FormSimulacao::copiarEstatisticas);
  if (instantanea) {
    QAction* curva = acao(this, QStringLiteral("Mostrar curva normal da teoria"), {Qt::Key_N});
    curva->setCheckable(true);
    connect(curva, &QAction::toggled, this, &FormSimulacao::mostrarCurvaNormal);
  } else {
    connect(acao(this, QStringLiteral("Mais 10 médias"), {Qt::Key_D}), &QAction::triggered, this,
            [this] { simularVarias(10); });
    connect(acao(this, QStringLiteral("Mais 100 médias"), {Qt::Key_C}), &QAction::triggered, this,
            [this] { simularVarias(100); });
  }
  connect(acao(this, QStringLiteral("Ampliar"), {QKeySequence::ZoomIn, Qt::CTRL | Qt::Key_Equal}),
          &QAction::triggered, this, [this] { mudarEscala(escala_ + kPassoEscala); });
  connect(acao(this, QStringLiteral("Reduzir"), {QKeySequence::ZoomOut}), &QAction::triggered, this,
          [this] { mudarEscala(escala_ - kPassoEscala); });
  connect(acao(this, QStringLiteral("Tamanho original"), {Qt::CTRL | Qt::Key_0}),
          &QAction::triggered, this, [this] { mudarEscala(1.0); });
  connect(acao(this, QStringLiteral("Tela cheia"), {Qt::Key_F11}), &QAction::triggered, this,
          [this] { isFullScreen() ? showNormal() : showFullScreen(); });
  semente_ = new QAction(this);
  semente_->setEnabled(false);
}

void FormSimulacao::contextMenuEvent(QContextMenuEvent* evento) {
  QMenu menu(this);
  menu.addActions(actions());
  menu.addSeparator();
  semente_->setText(
      logica_.simulacao() == 0
          ? QStringLiteral("Semente %1 · nenhuma simulação ainda").arg(logica_.semente())
          : QStringLiteral("Semente %1 · simulação %2 desta janela")
                .arg(logica_.semente())
                .arg(logica_.simulacao()));
  menu.addAction(semente_);
  menu.exec(evento->globalPos());
}

void FormSimulacao::mostrarCurvaNormal(bool mostrar) {
  logica_.showNormalCurve(mostrar);
  update();
}

void FormSimulacao::mudarEscala(double escala) {
  escala_ = std::clamp(escala, kMenorEscala, kMaiorEscala);
  aplicarEscala(this, escala_);
  update();
}

bool FormSimulacao::salvarGrafico(const QString& arquivo) {
  const QRect area = caixaEmPixels(0, kTopoGrafico * escala_, kLarguraJanela * escala_,
                                   (kBaseGrafico - kTopoGrafico) * escala_);
  return grab(area).save(arquivo, "PNG") || naoGravou(arquivo);
}

bool FormSimulacao::salvarMedias(const QString& arquivo) {
  QFile saida(arquivo);
  const std::string csv = logica_.meansCsv();
  return (saida.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
          saida.write(csv.data(), static_cast<qint64>(csv.size())) ==
              static_cast<qint64>(csv.size()) &&
          saida.flush()) ||
         naoGravou(arquivo);
}

bool FormSimulacao::naoGravou(const QString& arquivo) {
  servicos_.mostrarMensagem(
      this, QStringLiteral("Não foi possível gravar o arquivo \"%1\".").arg(arquivo));
  return false;
}

void FormSimulacao::copiarEstatisticas() {
  QApplication::clipboard()->setText(QString::fromStdString(logica_.tabulatedStatistics()));
}

}  // namespace varnesk::ui
