#pragma once
// What the window tests share: services that record the messages instead of showing them,
// and short ways to reach and press the controls of the window on top.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "ui/servicos.h"

class QPushButton;

namespace varnesk::ui::teste {

struct Registro {
  QStringList mensagens;  // in the order shown
  QStringList donos;      // objectName of the window each message was shown over
  int encerramentos = 0;  // calls to end the program
};

// A fixed seed, the population beside the test program, and every message recorded.
ServicosUi servicosDeTeste(const std::shared_ptr<Registro>& registro, std::uint64_t semente = 42);

// The window that takes input now (the top modal window), or null.
QWidget* janelaAtiva();

// A named control of a window (not of a window it opened); fails the test when it is missing.
template <typename T>
T* controle(QWidget* janela, const char* nome) {
  if (janela != nullptr) {
    for (T* achado : janela->findChildren<T*>(QString::fromUtf8(nome))) {
      if (achado->window() == janela) return achado;
    }
  }
  qFatal("control %s not found", nome);
}

// A mouse click on a named button, as the user gives it (the button takes the focus).
void clicar(QWidget* janela, const char* botao);

// Lets closed windows go, as the event loop would between two user actions.
void processarEventos();

}  // namespace varnesk::ui::teste
