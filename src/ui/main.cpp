// varnesk: the desktop program. Opens the start screen; everything else follows from it.
#include <QApplication>
#include <QIcon>

#include "ui/fontes.h"
#include "ui/form2.h"
#include "ui/servicos.h"

int main(int argc, char* argv[]) {
  QApplication aplicacao(argc, argv);
  QApplication::setApplicationName(QStringLiteral("varnesk"));
  QGuiApplication::setDesktopFileName(QStringLiteral("varnesk"));
  // One look on every desktop, the one the layouts were checked against.
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication::setFont(varnesk::ui::fontePadrao());
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/varnesk.png")));

  varnesk::ui::Form2 inicio(varnesk::ui::servicosDoPrograma());
  inicio.showMaximized();
  return QApplication::exec();
}
