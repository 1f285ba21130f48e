#include "ui/planner_form.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace varnesk::ui {

PlannerForm::PlannerForm(UiServices services, QWidget* owner)
    : WindowForm("PlannerForm", std::move(services), owner), logic_(logicAs<PlannerWindow>()) {
  connect(widgets_.get<QPushButton>("PlanButton"), &QPushButton::clicked, this, &PlannerForm::plan);
  connect(widgets_.get<QLineEdit>("MarginTXT"), &QLineEdit::returnPressed, this,
          &PlannerForm::plan);
  connect(widgets_.get<QPushButton>("VerifyButton"), &QPushButton::clicked, this,
          &PlannerForm::verify);
  connect(widgets_.get<QLineEdit>("RepetitionsTXT"), &QLineEdit::returnPressed, this,
          &PlannerForm::verify);
  connect(widgets_.get<QPushButton>("CloseButton"), &QPushButton::clicked, this, &QWidget::close);
  chrome_->setLastLine([this] { return QString::fromStdString(logic_.seedLine()); });
}

bool PlannerForm::Load() {
  const bool read = logic_.Load();
  showControls();
  return read;
}

std::string PlannerForm::text(const char* box) const {
  return widgets_.get<QLineEdit>(box)->text().toStdString();
}

std::string PlannerForm::level() const {
  return QString::number(widgets_.get<QSpinBox>("LevelSpin")->value()).toStdString();
}

void PlannerForm::plan() {
  logic_.plan(text("MarginTXT"), level());
  showControls();
}

void PlannerForm::verify() {
  logic_.verify(text("MarginTXT"), level(), text("RepetitionsTXT"));
  showControls();
}

}  // namespace varnesk::ui
