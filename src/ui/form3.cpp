#include "ui/form3.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "ui/comparison_form.h"
#include "ui/interval_form.h"
#include "ui/planner_form.h"
#include "ui/population_form.h"
#include "ui/population_opening.h"
#include "ui/simulation_form.h"

namespace varnesk::ui {

Form3::Form3(UiServices services, QWidget* owner)
    : WindowForm("Form3", std::move(services), owner), logic_(logicAs<ConfigurationWindow>()) {
  connect(widgets_.get<QPushButton>("Command1"), &QPushButton::clicked, this,
          &Form3::instantClicked);
  connect(widgets_.get<QPushButton>("Command3"), &QPushButton::clicked, this,
          &Form3::stepByStepClicked);
  connect(widgets_.get<QPushButton>("Command2"), &QPushButton::clicked, this, &QWidget::close);

  // Beyond the layout, from the menus or their keys: the comparison of sample sizes, the
  // confidence intervals and the sample size for a margin, and the teacher's population (a
  // file, a pasted column, or the program's own) and its view.
  for (const MenuCommand command :
       {MenuCommand::CompareSampleSizes, MenuCommand::ShowIntervals, MenuCommand::PlanSampleSize,
        MenuCommand::OpenPopulation, MenuCommand::PastePopulation, MenuCommand::ProgramPopulation,
        MenuCommand::UndoPopulation, MenuCommand::ShowPopulation})
    connect(chrome_->action(command), &QAction::triggered, this, [this, command] { run(command); });
  for (const char* box : {"TamanhodaAmostraTXT", "NumeroRepeticoesTXT"})
    widgets_[box]->installEventFilter(this);
  acceptPopulationDrops(this, services_);
}

void Form3::run(MenuCommand command) {
  switch (command) {
    case MenuCommand::CompareSampleSizes:
      openModal(new ComparisonForm(services_, this), this);
      break;
    case MenuCommand::ShowIntervals: {
      auto* window = new IntervalForm(services_, this);
      openLoaded(window, window->Load(text("TamanhodaAmostraTXT"), text("NumeroRepeticoesTXT")));
      break;
    }
    case MenuCommand::PlanSampleSize: {
      auto* window = new PlannerForm(services_, this);
      openLoaded(window, window->Load());
      break;
    }
    case MenuCommand::OpenPopulation: askPopulationFile(this, services_); break;
    case MenuCommand::PastePopulation:
      pastePopulation(this, services_, QApplication::clipboard()->text());
      break;
    case MenuCommand::ProgramPopulation: useProgramPopulation(this, services_); break;
    case MenuCommand::UndoPopulation: undoPopulationChoice(this, services_); break;
    case MenuCommand::ShowPopulation: showPopulation(); break;
    default: break;
  }
}

// A text box pastes a number into itself; lines copied from a spreadsheet are a population.
bool Form3::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) &&
      QApplication::clipboard()->text().trimmed().contains(QLatin1Char('\n'))) {
    run(MenuCommand::PastePopulation);
    return true;
  }
  return QWidget::eventFilter(watched, event);
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
  openSimulation(logic_.instantClicked(text("TamanhodaAmostraTXT"), text("NumeroRepeticoesTXT")));
}

void Form3::stepByStepClicked() {
  openSimulation(
      logic_.stepByStepClicked(text("TamanhodaAmostraTXT"), text("NumeroRepeticoesTXT")));
}

// A window whose Load refused has said why over this screen, and is not opened.
void Form3::openLoaded(QWidget* window, bool loaded) {
  if (loaded)
    openModal(window, this);
  else
    delete window;
}

// "": the screen refused its inputs, and said why.
void Form3::openSimulation(const std::string& windowName) {
  if (windowName.empty()) return;
  auto* window = new SimulationForm(windowName, services_, this);
  if (!window->Load(text("TamanhodaAmostraTXT"), text("NumeroRepeticoesTXT"))) {
    delete window;
    return;
  }
  openModal(window, this);
}

}  // namespace varnesk::ui
