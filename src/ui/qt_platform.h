#pragma once
// The window side of what the logic asks for (messages, focus, busy pointer), for one window.
#include "common/platform.h"
#include "ui/ui_services.h"

class QWidget;

namespace varnesk::ui {

class QtPlatform final : public Platform {
 public:
  QtPlatform(QWidget& window, const UiServices& services);

  void showMessage(const std::string& text) override;
  void setFocus(const std::string& controlName) override;
  void setBusy(bool busy) override;

 private:
  QWidget* windowOnScreen() const;

  QWidget& window_;
  const UiServices& services_;
  bool busy_ = false;
};

}  // namespace varnesk::ui
