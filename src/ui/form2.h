#pragma once
// Form2, the start screen: the program's titles on dark blue, the way to the configuration
// screen, and the end of the program.
#include <QWidget>

#include "ui/window_form.h"

namespace varnesk::ui {

class Form2 : public WindowForm {
  Q_OBJECT

 public:
  explicit Form2(UiServices services);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Load();
  void startSimulation();  // Command1
  void endProgram();       // Command2, and the close box
};

}  // namespace varnesk::ui
