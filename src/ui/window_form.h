#pragma once
// What every window of the program is made of, from its entry in the window registry: its
// widgets built from its description, its menu bar and keys, its logic made with the program's
// services, and the one way its controls show what the logic says. A window's own class adds
// the events it forwards to its logic.
#include <QWidget>
#include <memory>
#include <string_view>

#include "engine/window_logic.h"
#include "ui/qt_platform.h"
#include "ui/ui_services.h"
#include "ui/window_chrome.h"
#include "ui/window_widgets.h"

namespace varnesk::ui {

class WindowForm : public QWidget {
 public:
  WindowForm(std::string_view windowName, UiServices services, QWidget* owner);

 protected:
  // The logic, as the type the registry makes for this window.
  template <class Logic>
  Logic& logicAs() const {
    return static_cast<Logic&>(*logic_);
  }
  // The logic's controls on the widgets, and the window's drawing painted again.
  virtual void showControls();
  // "Ouvir o histograma": the logic's tones as a WAV file, opened by the system's player.
  void playHistogram();

  UiServices services_;
  QtPlatform platform_{*this, services_};
  WindowWidgets widgets_;
  WindowChrome* chrome_;

 private:
  std::unique_ptr<WindowLogic> logic_;
};

}  // namespace varnesk::ui
