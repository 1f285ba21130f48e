#include "ui/application.h"

#include <QApplication>
#include <QIcon>

#include "ui/qt_fonts.h"

namespace varnesk::ui {

void prepareApplication() {
  QApplication::setApplicationName(QStringLiteral("varnesk"));
  QGuiApplication::setDesktopFileName(QStringLiteral("varnesk"));
  // The classic style on every desktop: sunken text boxes, raised buttons, and frame titles
  // that sit on the frame's line, as the layouts were drawn for.
  QApplication::setStyle(QStringLiteral("Windows"));
  QApplication::setFont(qtFont(kDefaultFont));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/varnesk.png")));
}

}  // namespace varnesk::ui
