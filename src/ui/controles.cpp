#include "ui/controles.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "ui/escala.h"
#include "ui/twips.h"

namespace varnesk::ui {

void posicionar(QWidget* controle, const Geometria& g) {
  controle->setGeometry(caixaEmPixels(g.left, g.top, g.width, g.height));
  lembrarCaixa(controle, g.left, g.top, g.width, g.height);
}

namespace {
// Enter presses the focused button, as Space does; a button that lacks the focus takes no Enter,
// since none of these windows has a default button.
class EnterPressiona : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* objeto, QEvent* evento) override {
    if (evento->type() != QEvent::KeyPress) return false;
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    if (tecla != Qt::Key_Return && tecla != Qt::Key_Enter) return false;
    static_cast<QPushButton*>(objeto)->click();
    return true;
  }
};

void pintarFundo(QWidget* controle, const QColor& cor) {
  QPalette paleta = controle->palette();
  paleta.setColor(QPalette::Window, cor);
  controle->setPalette(paleta);
  controle->setAutoFillBackground(true);
}
}  // namespace

QLabel* novoRotulo(QWidget* pai, const QString& nome, const QString& legenda, const Geometria& g,
                   const EstiloRotulo& estilo) {
  auto* rotulo = new QLabel(legenda, pai);
  rotulo->setObjectName(nome);
  rotulo->setFont(estilo.fonte);
  rotulo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  rotulo->setAutoFillBackground(!estilo.transparente);
  if (estilo.corTexto.isValid()) {
    QPalette paleta = rotulo->palette();
    paleta.setColor(QPalette::WindowText, estilo.corTexto);
    rotulo->setPalette(paleta);
  }
  Geometria caixa = g;
  if (estilo.autoDimensionado) {
    const SizeF tamanho = medirTexto(estilo.fonte, legenda);
    // Whole pixels that hold the whole caption.
    caixa.width = std::ceil(tamanho.width / kTwipsPorPixel) * kTwipsPorPixel;
    caixa.height = std::ceil(tamanho.height / kTwipsPorPixel) * kTwipsPorPixel;
  }
  posicionar(rotulo, caixa);
  return rotulo;
}

QLabel* novaCaixaValor(QWidget* pai, const QString& nome, const Geometria& g, const QString& dica) {
  auto* caixa = new QLabel(QStringLiteral("0"), pai);
  caixa->setObjectName(nome);
  caixa->setFont(fontePadrao());
  caixa->setFrameStyle(QFrame::Box | QFrame::Plain);
  caixa->setLineWidth(1);
  caixa->setAlignment(Qt::AlignRight | Qt::AlignTop);
  caixa->setIndent(1);
  caixa->setToolTip(dica);
  pintarFundo(caixa, QColor(255, 255, 192));
  posicionar(caixa, g);
  return caixa;
}

QLineEdit* novaCaixaTexto(QWidget* pai, const QString& nome, const QString& texto,
                          const Geometria& g) {
  auto* caixa = new QLineEdit(texto, pai);
  caixa->setObjectName(nome);
  posicionar(caixa, g);
  return caixa;
}

QPushButton* novoBotao(QWidget* pai, const QString& nome, const QString& legenda,
                       const Geometria& g, const QFont& f) {
  auto* botao = new QPushButton(pai);
  botao->setObjectName(nome);
  botao->setFont(f);
  const QRect caixa = caixaEmPixels(g.left, g.top, g.width, g.height);
  const int margem = botao->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, botao) +
                     botao->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, botao);
  botao->setText(quebrarLegenda(legenda, QFontMetricsF(f), caixa.width() - 2 * margem));
  botao->setAutoDefault(false);  // the look of a plain button, without a default frame
  botao->installEventFilter(new EnterPressiona(botao));
  posicionar(botao, g);
  return botao;
}

QCheckBox* novaCaixaMarcacao(QWidget* pai, const QString& nome, const QString& legenda,
                             const Geometria& g) {
  auto* caixa = new QCheckBox(legenda, pai);
  caixa->setObjectName(nome);
  posicionar(caixa, g);
  return caixa;
}

QGroupBox* novaMoldura(QWidget* pai, const QString& nome, const QString& titulo, const Geometria& g,
                       const QColor& fundo) {
  auto* moldura = new QGroupBox(titulo, pai);
  moldura->setObjectName(nome);
  if (fundo.isValid()) pintarFundo(moldura, fundo);
  posicionar(moldura, g);
  return moldura;
}

void empilharRotulosPorBaixo(QWidget* janela) {
  for (QWidget* controle : janela->findChildren<QWidget*>()) {
    if (qobject_cast<QLabel*>(controle) == nullptr) controle->raise();
  }
}

QString quebrarLegenda(const QString& legenda, const QFontMetricsF& medidas, double largura) {
  QStringList linhas;
  QString resto = legenda;
  while (medidas.horizontalAdvance(resto) > largura) {
    // The last blank that leaves a line that fits; a blank that opens the caption is kept.
    qsizetype corte = resto.size() - 1;
    while (corte > 0 && (resto.at(corte) != QLatin1Char(' ') ||
                         medidas.horizontalAdvance(resto.left(corte)) > largura)) {
      --corte;
    }
    if (corte <= 0) break;  // one word wider than the button: it is cut, not broken
    linhas << resto.left(corte);
    resto = resto.mid(corte + 1);
  }
  linhas << resto;
  return linhas.join(QLatin1Char('\n'));
}

void definirTabulacao(std::vector<std::pair<int, QWidget*>> controles) {
  std::stable_sort(controles.begin(), controles.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < controles.size(); ++i) {
    QWidget::setTabOrder(controles[i - 1].second, controles[i].second);
  }
  for (const auto& [tab, controle] : controles) {
    if (controle->isEnabled() && controle->isVisibleTo(controle->window()) &&
        (controle->focusPolicy() & Qt::TabFocus)) {
      controle->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
}

void definirAreaCliente(QWidget* janela, double largura, double altura) {
  janela->resize(emPixelsInteiros(largura), emPixelsInteiros(altura));
  lembrarCaixa(janela, 0, 0, largura, altura);
}

void abrirModal(QWidget* janela, QWidget* dono) {
  janela->setAttribute(Qt::WA_DeleteOnClose);
  janela->setWindowModality(Qt::ApplicationModal);
  // The new window's frame is not known before it is shown; the opener's tells how much the
  // window manager adds around a client area.
  const QRect molduraDono = dono->frameGeometry();
  const QSize decoracao = molduraDono.size() - dono->geometry().size();
  const QSize externo = janela->size() + decoracao;
  janela->move(molduraDono.center() - QPoint(externo.width() / 2, externo.height() / 2));
  janela->show();
}

}  // namespace varnesk::ui
