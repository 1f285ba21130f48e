#pragma once
// "Comparar tamanhos de amostra": the precision lesson in one screen, built from its description
// in the core. The teacher lists sample sizes and a number of repetitions; the window's logic
// runs the engine once per size on a worker thread, a few hundred samples at a time, so the
// window keeps answering: the progress bar follows the steps and Cancelar stops the run, leaving
// the table and the chart as they were. The table can be saved for a spreadsheet (Arquivo, the
// right-click menu and its key).
#include <QWidget>
#include <atomic>
#include <memory>

#include "engine/comparison_window.h"
#include "ui/window_form.h"

class QThread;

namespace varnesk::ui {

class ComparisonForm : public WindowForm {
  Q_OBJECT

 public:
  ComparisonForm(UiServices services, QWidget* owner);
  ~ComparisonForm() override;

  void compare();  // CompareButton, and Enter in either box: starts the run
  void cancel();   // CancelButton
  bool running() const { return worker_ != nullptr; }
  bool saveResults(const QString& file);

 signals:
  // A comparison ended: shown when it ran to its end, dropped when cancelled.
  void finished();

 private:
  void addActions();
  void showProgress(int completed);
  void end();  // the worker has stopped

  ComparisonWindow& logic_;
  std::shared_ptr<ComparisonRun> run_;  // shared with the worker while it runs
  std::shared_ptr<std::atomic<bool>> stop_;
  QThread* worker_ = nullptr;
};

}  // namespace varnesk::ui
