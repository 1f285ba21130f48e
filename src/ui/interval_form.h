#pragma once
// "Intervalos de confiança", built from its description in the core and opened from the
// configuration screen with its n and R: the samples' intervals against μ one click at a time,
// ten or a hundred by key, all at once, or by a clock at the speed set beside Reproduzir (kept
// between openings); the level, z or t and the finite population correction change them all
// at once, and Comparar runs the correction's lesson. The intervals shown can be saved for a
// spreadsheet (Arquivo, the right-click menu and its key).
#include <QTimer>
#include <QWidget>
#include <functional>

#include "engine/interval_window.h"
#include "ui/window_form.h"

namespace varnesk::ui {

class IntervalForm : public WindowForm {
  Q_OBJECT

 public:
  IntervalForm(UiServices services, QWidget* owner);

  // With the configuration screen's two texts. False: the window must not open (the reason has
  // been shown over the configuration screen already).
  bool Load(const std::string& sampleSize, const std::string& repetitions);

  const IntervalWindow& logic() const { return logic_; }
  const QTimer& playbackClock() const { return playback_; }
  // False, after saying why: nothing shown yet, or the file could not be written.
  bool saveIntervals(const QString& file);

 private:
  void addActions();
  void setupPlayback();
  // The event goes to the logic; the window then shows what the logic says.
  void forward(const std::function<void(IntervalWindow&)>& call);
  bool somethingToSave();  // false, after saying so, before any interval is shown
  void showControls() override;
  void followPlayback();  // the clock runs while the logic plays, at the speed set

  IntervalWindow& logic_;
  QTimer playback_;
};

}  // namespace varnesk::ui
