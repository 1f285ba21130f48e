// varnesk: the desktop program. Opens the start screen; everything else follows from it.
#include <QApplication>

#include "ui/aplicacao.h"
#include "ui/form2.h"
#include "ui/servicos.h"

int main(int argc, char* argv[]) {
  QApplication aplicacao(argc, argv);
  varnesk::ui::prepararAplicacao();
  varnesk::ui::Form2 inicio(varnesk::ui::servicosDoPrograma());
  inicio.showMaximized();
  return QApplication::exec();
}
