#pragma once
// Form2, the start screen: the program's titles on dark blue, the way to the configuration
// screen, and the end of the program.
#include <QWidget>

#include "ui/ui_services.h"
#include "ui/window_chrome.h"
#include "ui/window_widgets.h"

namespace varnesk::ui {

class Form2 : public QWidget {
  Q_OBJECT

 public:
  explicit Form2(UiServices services);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Load();
  void startSimulation();  // Command1
  void endProgram();       // Command2, and the close box

  UiServices services_;
  WindowWidgets widgets_;
  WindowChrome* chrome_;
};

}  // namespace varnesk::ui
