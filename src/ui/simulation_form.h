#pragma once
// The two simulation windows, form1 (instant) and Form4 (step by step): one class, built from the
// window's description. The window owns the logic object, forwards Load and Simular to it,
// shows its text boxes, buttons and statistics, and paints its chart's drawing list. Beyond that
// layout, the teacher's menus and keys (simulation_form_menu.cpp): export, batches of means, the
// normal curve, the seed of the run; the zoom and full screen are every window's (WindowChrome).
#include <QTimer>
#include <QWidget>
#include <optional>

#include "common/save_failure.h"

#include "engine/simulation_window.h"
#include "ui/window_form.h"

namespace varnesk::ui {

class PopulationForm;

class SimulationForm : public WindowForm {
  Q_OBJECT

 public:
  // `windowName`: "form1" or "Form4".
  SimulationForm(std::string_view windowName, UiServices services, QWidget* owner);

  // With the configuration screen's two texts. False: the window must not open (the reason
  // has been shown already).
  bool Load(const std::string& sampleSize, const std::string& repetitions);

  const SimulationWindow& logic() const { return logic_; }
  double zoom() const { return chrome_->zoom(); }

  // What the menu and the keys do, also for the window tests.
  void simulateMany(int times);
  void showNormalCurve(bool show);
  void showPopulationMean(bool show);
  void restart();  // "Reiniciar"
  void setZoom(double zoom);
  // Each save tells the teacher when there is nothing to save yet, or why the file could not be
  // written (a file already there is then left as it was).
  bool saveChart(const QString& file);
  bool saveSvg(const QString& file);
  bool saveMeans(const QString& file);
  bool somethingToSave();  // false, after saying so, before any mean is shown
  void copyStatistics();
  // "Definir semente…": asks until the seed is taken or the dialog is cancelled.
  void askSeed();
  bool setSeed(const QString& text);
  // "Reproduzir / Pausar", and what the clock does at each tick while playing: exactly what a
  // click of Simular does.
  void playPause();
  void advancePlayback();
  const QTimer& playbackClock() const { return playback_; }
  // "População…", and with the sample behind the latest mean ("Mostrar amostra").
  PopulationForm* showPopulation(bool sample);

 private:
  void addActions();
  bool saved(const QString& file, std::optional<SaveFailure> failure);  // tells a failure
  void simulate();                                                      // Command1
  void showControls() override;
  void showModel();
  void setupPlayback();   // the step window's button, speed box and clock
  void followPlayback();  // the clock runs while the logic plays, at the speed set

  SimulationWindow& logic_;
  QTimer playback_;
};

}  // namespace varnesk::ui
