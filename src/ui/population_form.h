#pragma once
// "População": the population the windows read, described and drawn, built from its description
// in the core. Opened from the configuration screen, it reads the population the windows would
// read; from a simulation window, it shows the one that window read, and from the step-by-step
// window also the sample behind its latest mean.
#include <QWidget>

#include "engine/population_window.h"
#include "engine/simulation_window.h"
#include "ui/window_form.h"

namespace varnesk::ui {

class PopulationForm : public WindowForm {
  Q_OBJECT

 public:
  PopulationForm(UiServices services, QWidget* owner);

  // The population the services name; false when its file cannot be read (the view then shows
  // why, and nothing else).
  bool Load();
  // The population `window` read; with `sample`, the sample behind its latest mean.
  void showFrom(const SimulationWindow& window, bool sample);

  const PopulationWindow& logic() const { return logic_; }

 private:
  PopulationWindow& logic_;
};

}  // namespace varnesk::ui
