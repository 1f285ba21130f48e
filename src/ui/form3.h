#pragma once
// Form3, the configuration screen: sample size, number of repetitions, and the choice of the
// instant or the step-by-step window. Built afresh each time it opens; it stays open under a
// simulation window, which reads its two texts when it loads.
#include <QWidget>

#include "engine/window_menu.h"
#include "layout/window_kind.h"
#include "ui/qt_platform.h"
#include "ui/ui_services.h"
#include "ui/window_chrome.h"
#include "ui/window_widgets.h"

class QLineEdit;

namespace varnesk::ui {

class Form3 : public QWidget {
  Q_OBJECT

 public:
  Form3(UiServices services, QWidget* owner);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void run(MenuCommand command);
  void instantClicked();     // Command1
  void stepByStepClicked();  // Command3
  void openSimulation(WindowKind kind);
  void showPopulation();  // the menu's "População…"
  std::string text(const char* box) const;

  UiServices services_;
  QtPlatform platform_{*this, services_};
  WindowWidgets widgets_;
  WindowChrome* chrome_;
};

}  // namespace varnesk::ui
