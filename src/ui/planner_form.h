#pragma once
// "Tamanho da amostra", built from its description in the core and opened from the
// configuration screen: the sample size a margin of error needs at a level, on the population
// the windows read, worked out step by step (Calcular, or Enter in the margin), then checked by
// simulation with the repetitions typed (the button, or Enter in their box).
#include <QWidget>

#include "engine/planner_window.h"
#include "ui/window_form.h"

namespace varnesk::ui {

class PlannerForm : public WindowForm {
  Q_OBJECT

 public:
  PlannerForm(UiServices services, QWidget* owner);

  // False, after its message over the configuration screen, when the population cannot be
  // read: the window must not open.
  bool Load();

  const PlannerWindow& logic() const { return logic_; }

 private:
  void plan();
  void verify();
  std::string text(const char* box) const;
  std::string level() const;

  PlannerWindow& logic_;
};

}  // namespace varnesk::ui
