#pragma once
// A whole window at another scale, for the classroom projector: every control keeps its box in
// twips, so the window, its controls, their fonts and the chart grow together.
class QWidget;

namespace varnesk::ui {

inline constexpr double kMenorEscala = 0.5, kMaiorEscala = 3.0, kPassoEscala = 0.25;

// Records a control's box in twips; posicionar and definirAreaCliente call it.
void lembrarCaixa(QWidget* controle, double left, double top, double width, double height);

// Places every control of the window at `escala` times its laid-out box and font size (1: as
// laid out) and resizes the window's client area with them.
void aplicarEscala(QWidget* janela, double escala);

}  // namespace varnesk::ui
