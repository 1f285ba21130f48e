#pragma once
// "Comparar tamanhos de amostra": the precision lesson in one screen, built from its description
// in the core. The teacher lists sample sizes and a number of repetitions; the window's logic
// runs the engine once per size, and the window shows the table and paints the chart's drawing
// list.
#include <QWidget>

#include "engine/comparison_window.h"
#include "ui/qt_platform.h"
#include "ui/ui_services.h"
#include "ui/window_chrome.h"
#include "ui/window_widgets.h"

namespace varnesk::ui {

class ComparisonForm : public QWidget {
  Q_OBJECT

 public:
  ComparisonForm(UiServices services, QWidget* owner);
  void compare();  // CompareButton, and Enter in either box

 private:
  void showPopulationLine();
  UiServices services_;
  QtPlatform platform_{*this, services_};
  WindowWidgets widgets_;
  WindowChrome* chrome_;
  ComparisonWindow logic_;
};

}  // namespace varnesk::ui
