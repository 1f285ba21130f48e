#include "ui/population_form.h"

#include <QLabel>
#include <QPushButton>

#include "layout/window_layouts.h"
#include "ui/qt_fonts.h"

namespace varnesk::ui {

PopulationForm::PopulationForm(UiServices services, QWidget* owner)
    : QWidget(owner, frameFlags(populationLayout())),
      services_(std::move(services)),
      widgets_(this, populationLayout()),
      chrome_(new WindowChrome(this, widgets_.client(), populationMenu())),
      logic_(regionalDecimalSeparator(), defaultMeasure()) {
  connect(widgets_.get<QPushButton>("CloseButton"), &QPushButton::clicked, this, &QWidget::close);
  widgets_.get<Canvas>("PopulationChart")->setDrawing([this](double width, double height) {
    return logic_.chart(width, height);
  });
}

bool PopulationForm::Load() {
  const bool read = logic_.Load(services_.population());
  showLabels();
  return read;
}

void PopulationForm::showFrom(const SimulationWindow& window, bool sample) {
  logic_.show(window.population(), window.populationFormat(), window.populationSource().name());
  if (sample) logic_.showSample(window.latestSample());
  showLabels();
}

void PopulationForm::showLabels() {
  for (const Label& label : logic_.labels())
    widgets_.get<QLabel>(label.name)->setText(QString::fromStdString(label.caption));
  widgets_["PopulationChart"]->update();
}

}  // namespace varnesk::ui
