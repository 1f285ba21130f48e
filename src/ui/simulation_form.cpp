#include "ui/simulation_form.h"

#include <QPushButton>

#include "ui/population_opening.h"

namespace varnesk::ui {

SimulationForm::SimulationForm(std::string_view windowName, UiServices services, QWidget* owner)
    : WindowForm(windowName, std::move(services), owner), logic_(logicAs<SimulationWindow>()) {
  addActions();
  setupPlayback();
  showControls();
  connect(widgets_.get<QPushButton>("Command1"), &QPushButton::clicked, this,
          &SimulationForm::simulate);
  connect(widgets_.get<QPushButton>("Command3"), &QPushButton::clicked, this, &QWidget::close);
  acceptPopulationDrops(this, services_);
}

bool SimulationForm::Load(const std::string& sampleSize, const std::string& repetitions) {
  const bool open = logic_.Load(sampleSize, repetitions);
  showControls();
  return open;
}

void SimulationForm::simulate() {
  logic_.simulate();
  showControls();
}

void SimulationForm::simulateMany(int times) {
  logic_.simulateMany(times);
  showControls();
}

// The playback's clock follows what the logic says after every call.
void SimulationForm::showControls() {
  WindowForm::showControls();
  followPlayback();
}

}  // namespace varnesk::ui
