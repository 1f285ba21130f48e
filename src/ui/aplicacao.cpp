#include "ui/aplicacao.h"

#include <QApplication>
#include <QIcon>

#include "ui/fontes.h"

namespace varnesk::ui {

void prepararAplicacao() {
  QApplication::setApplicationName(QStringLiteral("varnesk"));
  QGuiApplication::setDesktopFileName(QStringLiteral("varnesk"));
  // The classic style on every desktop: sunken text boxes, raised buttons, and frame titles
  // that sit on the frame's line, as the layouts were drawn for.
  QApplication::setStyle(QStringLiteral("Windows"));
  QApplication::setFont(fontePadrao());
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/varnesk.png")));
}

}  // namespace varnesk::ui
