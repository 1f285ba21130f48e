#pragma once
// Form3, the configuration screen: sample size, number of repetitions, and the choice of the
// instant or the step-by-step window. Built afresh each time it opens; it stays open under a
// simulation window or the confidence intervals, which read its two texts when they load.
#include <QWidget>

#include "engine/configuration_window.h"
#include "engine/window_menu.h"
#include "ui/window_form.h"

class QLineEdit;

namespace varnesk::ui {

class Form3 : public WindowForm {
  Q_OBJECT

 public:
  Form3(UiServices services, QWidget* owner);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void run(MenuCommand command);
  void instantClicked();     // Command1
  void stepByStepClicked();  // Command3
  void openSimulation(const std::string& windowName);
  void openLoaded(QWidget* window, bool loaded);
  void showPopulation();  // the menu's "População…"
  std::string text(const char* box) const;

  ConfigurationWindow& logic_;
};

}  // namespace varnesk::ui
