#include "ui/qt_platform.h"

#include <QApplication>
#include <QWidget>

namespace varnesk::ui {

QtPlatform::QtPlatform(QWidget& window, const UiServices& services)
    : window_(window), services_(services) {}

// A window still loading is not on screen yet: its messages and focus moves belong to the one
// that opens it.
QWidget* QtPlatform::windowOnScreen() const {
  return window_.isVisible() || window_.parentWidget() == nullptr
             ? &window_
             : window_.parentWidget()->window();
}

void QtPlatform::showMessage(const std::string& text) {
  services_.showMessage(windowOnScreen(), QString::fromStdString(text));
}

void QtPlatform::setFocus(const std::string& controlName) {
  // Only that window's own control: the windows it opened hold controls of the same names.
  QWidget* window = windowOnScreen();
  for (QWidget* control : window->findChildren<QWidget*>(QString::fromStdString(controlName))) {
    if (control->window() == window) {
      control->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
}

void QtPlatform::setBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

}  // namespace varnesk::ui
