#include "ui/comparison_form.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <algorithm>

#include "common/messages.h"
#include "engine/window_menu.h"
#include "layout/window_layouts.h"
#include "ui/drawing_painter.h"
#include "ui/file_saver.h"
#include "ui/population_opening.h"
#include "ui/twips.h"

namespace varnesk::ui {

ComparisonForm::ComparisonForm(UiServices services, QWidget* owner)
    : WindowForm("ComparisonForm", std::move(services), owner),
      logic_(logicAs<ComparisonWindow>()) {
  connect(widgets_.get<QPushButton>("CompareButton"), &QPushButton::clicked, this,
          &ComparisonForm::compare);
  connect(widgets_.get<QPushButton>("CloseButton"), &QPushButton::clicked, this, &QWidget::close);
  acceptPopulationDrops(this, services_);
  connect(widgets_.get<QPushButton>("CancelButton"), &QPushButton::clicked, this,
          &ComparisonForm::cancel);
  for (const char* box : {"SampleSizesTXT", "RepetitionsTXT"})
    connect(widgets_.get<QLineEdit>(box), &QLineEdit::returnPressed, this,
            &ComparisonForm::compare);
  showControls();
  addActions();
}

ComparisonForm::~ComparisonForm() {
  // The worker finishes the step it is drawing, then stops; the run it shares is then dropped.
  if (!worker_) return;
  stop_->store(true);
  worker_->wait();
  delete worker_;
}

void ComparisonForm::compare() {
  if (running()) return;
  logic_.SampleSizesTXT.text = widgets_.get<QLineEdit>("SampleSizesTXT")->text().toStdString();
  logic_.RepetitionsTXT.text = widgets_.get<QLineEdit>("RepetitionsTXT")->text().toStdString();
  std::unique_ptr<ComparisonRun> run = logic_.start();
  if (!run) return;
  run_ = std::move(run);
  stop_ = std::make_shared<std::atomic<bool>>(false);
  auto* bar = widgets_.get<QProgressBar>("ComparisonProgress");
  bar->setRange(0, static_cast<int>(run_->total()));
  bar->setValue(0);
  bar->show();
  widgets_["CompareButton"]->setEnabled(false);
  widgets_["CancelButton"]->setEnabled(true);
  // The worker owns nothing of the window: it draws into the run it shares and reports each
  // step back through the window's event queue.
  worker_ = QThread::create([this, run = run_, stop = stop_] {
    while (!run->done() && !stop->load()) {
      run->runNext();
      QMetaObject::invokeMethod(
          this, [this, n = static_cast<int>(run->completed())] { showProgress(n); },
          Qt::QueuedConnection);
    }
  });
  connect(worker_, &QThread::finished, this, &ComparisonForm::end);
  worker_->start();
}

void ComparisonForm::cancel() {
  if (stop_) stop_->store(true);
}

void ComparisonForm::showProgress(int completed) {
  if (running()) widgets_.get<QProgressBar>("ComparisonProgress")->setValue(completed);
}

void ComparisonForm::end() {
  worker_->deleteLater();
  worker_ = nullptr;
  // A run stopped before its end is dropped by the logic, which says what the bar shows now.
  logic_.finish(*run_);
  showControls();
  run_.reset();
  widgets_["CancelButton"]->setEnabled(false);
  auto* compareButton = widgets_["CompareButton"];
  compareButton->setEnabled(true);
  if (focusWidget() == nullptr || !focusWidget()->isEnabled()) compareButton->setFocus();
  emit finished();
}

bool ComparisonForm::saveResults(const QString& file) {
  const std::string csv = logic_.resultsCsv();
  if (csv.empty()) {
    platform_.showMessage(std::string(messages::kNothingToSave));
    return false;
  }
  if (const auto failure = saveBytes(file, csv)) {
    platform_.showMessage(saveFailureMessage(file.toStdString(), *failure));
    return false;
  }
  return true;
}

// Saving the table, from the bar, the right-click menu or its key.
void ComparisonForm::addActions() {
  const std::vector<MenuEntry> menu = comparisonMenu();
  const auto save = std::find_if(menu.begin(), menu.end(), [](const MenuEntry& e) {
    return e.command == MenuCommand::SaveComparison;
  });
  QAction* action = chrome_->action(MenuCommand::SaveComparison);
  if (save == menu.end() || action == nullptr) return;
  connect(action, &QAction::triggered, this, [this, dialog = *save->save] {
    if (logic_.resultsCsv().empty()) {
      platform_.showMessage(std::string(messages::kNothingToSave));
      return;
    }
    const QString file = QFileDialog::getSaveFileName(this, QString::fromStdString(dialog.title),
                                                      QString::fromStdString(dialog.fileName),
                                                      QString::fromStdString(dialog.filter));
    if (!file.isEmpty()) saveResults(file);
  });
}

}  // namespace varnesk::ui
