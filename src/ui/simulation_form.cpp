#include "ui/simulation_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "chart/chart_drawing.h"
#include "layout/window_layouts.h"
#include "ui/drawing_painter.h"
#include "ui/qt_fonts.h"

namespace varnesk::ui {

SimulationForm::SimulationForm(WindowKind kind, UiServices services, QWidget* owner)
    : QWidget(owner, frameFlags(simulationLayout(kind))),
      services_(std::move(services)),
      widgets_(this, simulationLayout(kind)),
      chrome_(new WindowChrome(this, widgets_.client(), simulationMenu(traitsOf(kind)))),
      logic_(kind, WindowEnvironment{platform_, defaultMeasure(), regionalDecimalSeparator(),
                                     services_.population(), services_.seed}) {
  addActions();
  widgets_.client()->setDrawing([this](double, double) {
    return drawChart(logic_.model().chart, simulationLayout(logic_.traits().kind));
  });
  showModel();
  connect(widgets_.get<QPushButton>("Command1"), &QPushButton::clicked, this,
          &SimulationForm::simulate);
  connect(widgets_.get<QPushButton>("Command3"), &QPushButton::clicked, this, &QWidget::close);
}

bool SimulationForm::Load(const std::string& sampleSize, const std::string& repetitions) {
  const bool open = logic_.Load(sampleSize, repetitions);
  showModel();
  return open;
}

void SimulationForm::simulate() {
  logic_.simulate();
  showModel();
}

void SimulationForm::simulateMany(int times) {
  logic_.simulateMany(times);
  showModel();
}

void SimulationForm::showModel() {
  const WindowModel& m = logic_.model();
  for (const TextBox* box : {&m.TamanhodaAmostraTXT, &m.NumeroRepeticoesTXT}) {
    auto* edit = widgets_.get<QLineEdit>(box->name);
    edit->setText(QString::fromStdString(box->text));
    edit->setEnabled(box->enabled);
  }
  auto* simulate = widgets_.get<QPushButton>("Command1");
  // Disabled with the focus, Simular would hand it to Encerrar/ Configurar, which one more Space
  // would press: the finished chart would be gone. The window itself keeps it instead.
  if (!m.Command1.enabled && simulate->hasFocus()) setFocus(Qt::OtherFocusReason);
  simulate->setEnabled(m.Command1.enabled);
  widgets_["Command3"]->setEnabled(m.Command3.enabled);
  for (const PanelBox& p : kPanelBoxes)
    widgets_.get<QLabel>(p.name)->setText(QString::fromStdString((m.*p.box).caption));
  for (const PanelBox& p : kStatusLines)
    if (auto* line = widgets_.get<QLabel>(p.name))
      line->setText(QString::fromStdString((m.*p.box).caption));
  widgets_.client()->update();
}

}  // namespace varnesk::ui
