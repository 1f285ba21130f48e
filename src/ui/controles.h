#pragma once
// Builders of the design-time controls from their layout in twips: every widget is named after
// its control, placed in its container and sized as laid out (or to its caption, when the
// label sizes itself).
#include <QColor>
#include <QFont>
#include <QString>
#include <utility>
#include <vector>

#include "ui/fontes.h"

class QWidget;
class QLabel;
class QLineEdit;
class QPushButton;
class QGroupBox;
class QCheckBox;
class QFontMetricsF;

namespace varnesk::ui {

struct Geometria {
  double left = 0, top = 0, width = 0, height = 0;  // twips, in the container
};

void posicionar(QWidget* controle, const Geometria& g);

struct EstiloRotulo {
  QFont fonte = fontePadrao();
  bool autoDimensionado = false;  // takes the size of its caption, whatever the layout says
  bool transparente = false;      // what lies beneath shows around the letters
  QColor corTexto;                // invalid: the system's text colour
};

QLabel* novoRotulo(QWidget* pai, const QString& nome, const QString& legenda, const Geometria& g,
                   const EstiloRotulo& estilo);
// A statistics box: light yellow, a single-line border, right-aligned, a tip on hover.
QLabel* novaCaixaValor(QWidget* pai, const QString& nome, const Geometria& g, const QString& dica);
QLineEdit* novaCaixaTexto(QWidget* pai, const QString& nome, const QString& texto,
                          const Geometria& g);
QPushButton* novoBotao(QWidget* pai, const QString& nome, const QString& legenda,
                       const Geometria& g, const QFont& f = fontePadrao());
QCheckBox* novaCaixaMarcacao(QWidget* pai, const QString& nome, const QString& legenda,
                             const Geometria& g);
// A frame: a titled group box; without a title only its border shows.
QGroupBox* novaMoldura(QWidget* pai, const QString& nome, const QString& titulo,
                       const Geometria& g, const QColor& fundo = QColor());

// Labels are drawn on their container's own surface, beneath every control that is a window of
// its own (text boxes, buttons, check boxes, frames), whatever the order they were made in.
// Called once a window has all its controls.
void empilharRotulosPorBaixo(QWidget* janela);

// A caption too wide for its button breaks at blanks into lines, as buttons do.
QString quebrarLegenda(const QString& legenda, const QFontMetricsF& medidas, double largura);

// The keyboard tab order from the layout's Tab positions (gaps are labels and frames, which
// take no focus), and the opening focus on the first control that can take it.
void definirTabulacao(std::vector<std::pair<int, QWidget*>> controles);

// The window's client area, in twips.
void definirAreaCliente(QWidget* janela, double largura, double altura);

// Opens the window over the one that asked for it, centred on it; only the new window takes
// input until it closes, and closing it destroys it. The caller does not wait: nothing of the
// opener's handler runs after the window is open, so the program behaves as if it waited.
void abrirModal(QWidget* janela, QWidget* dono);

}  // namespace varnesk::ui
