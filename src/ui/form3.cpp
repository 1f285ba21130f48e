#include "ui/form3.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

#include "engine/configuration.h"
#include "layout/window_layouts.h"
#include "ui/comparison_form.h"
#include "ui/population_form.h"
#include "ui/simulation_form.h"

namespace varnesk::ui {

Form3::Form3(UiServices services, QWidget* owner)
    : QWidget(owner, frameFlags(form3Layout())),
      services_(std::move(services)),
      widgets_(this, form3Layout()),
      chrome_(new WindowChrome(this, widgets_.client(), configurationMenu())) {
  connect(widgets_.get<QPushButton>("Command1"), &QPushButton::clicked, this,
          &Form3::instantClicked);
  connect(widgets_.get<QPushButton>("Command3"), &QPushButton::clicked, this,
          &Form3::stepByStepClicked);
  connect(widgets_.get<QPushButton>("Command2"), &QPushButton::clicked, this, &QWidget::close);

  // Beyond the layout, from the menus or their keys: the comparison of sample sizes (Ctrl+T)
  // and the population the windows read (Ctrl+P).
  connect(chrome_->action(MenuCommand::CompareSampleSizes), &QAction::triggered, this,
          [this] { openModal(new ComparisonForm(services_, this), this); });
  connect(chrome_->action(MenuCommand::ShowPopulation), &QAction::triggered, this,
          &Form3::showPopulation);
}

// Also when the file cannot be read: the view then says why, which is what the teacher needs.
void Form3::showPopulation() {
  auto* view = new PopulationForm(services_, this);
  view->Load();
  openModal(view, this);
}

std::string Form3::text(const char* box) const {
  return widgets_.get<QLineEdit>(box)->text().toStdString();
}

void Form3::instantClicked() {
  if (varnesk::instantClicked(text("TamanhodaAmostraTXT"), text("NumeroRepeticoesTXT"),
                              platform_) == WindowToOpen::Instant)
    openSimulation(WindowKind::Instant);
}

void Form3::stepByStepClicked() {
  if (varnesk::stepByStepClicked(text("TamanhodaAmostraTXT"), text("NumeroRepeticoesTXT"),
                                 platform_) == WindowToOpen::StepByStep)
    openSimulation(WindowKind::StepByStep);
}

void Form3::openSimulation(WindowKind kind) {
  auto* window = new SimulationForm(kind, services_, this);
  if (!window->Load(text("TamanhodaAmostraTXT"), text("NumeroRepeticoesTXT"))) {
    delete window;
    return;
  }
  openModal(window, this);
}

}  // namespace varnesk::ui
