#include "ui/population_form.h"

#include <QPushButton>

namespace varnesk::ui {

PopulationForm::PopulationForm(UiServices services, QWidget* owner)
    : WindowForm("PopulationForm", std::move(services), owner),
      logic_(logicAs<PopulationWindow>()) {
  connect(widgets_.get<QPushButton>("CloseButton"), &QPushButton::clicked, this, &QWidget::close);
}

bool PopulationForm::Load() {
  const bool read = logic_.Load();
  showControls();
  return read;
}

void PopulationForm::showFrom(const SimulationWindow& window, bool sample) {
  logic_.show(window.population(), window.populationFormat(), window.populationSource().name());
  if (sample) logic_.showSample(window.latestSample());
  showControls();
}

}  // namespace varnesk::ui
