#pragma once
// The two simulation windows, form1 (instant) and Form4 (step by step): one class, built from the
// window's description. The window owns the logic object, forwards Load and Simular to it,
// shows its text boxes, buttons and statistics, and paints its chart's drawing list. Beyond that
// layout, the teacher's menus and keys (simulation_form_menu.cpp): export, batches of means, the
// normal curve, the seed of the run; the zoom and full screen are every window's (WindowChrome).
#include <QWidget>

#include "engine/simulation_window.h"
#include "ui/qt_platform.h"
#include "ui/ui_services.h"
#include "ui/window_chrome.h"
#include "ui/window_widgets.h"

namespace varnesk::ui {

class PopulationForm;

class SimulationForm : public QWidget {
  Q_OBJECT

 public:
  SimulationForm(WindowKind kind, UiServices services, QWidget* owner);

  // With the configuration screen's two texts. False: the window must not open (the reason
  // has been shown already).
  bool Load(const std::string& sampleSize, const std::string& repetitions);

  const SimulationWindow& logic() const { return logic_; }
  double zoom() const { return chrome_->zoom(); }

  // What the menu and the keys do, also for the window tests.
  void simulateMany(int times);
  void showNormalCurve(bool show);
  void setZoom(double zoom);
  bool saveChart(const QString& file);
  bool saveMeans(const QString& file);
  void copyStatistics();
  // "População…", and with the sample behind the latest mean ("Mostrar amostra").
  PopulationForm* showPopulation(bool sample);

 private:
  void addActions();
  bool notSaved(const QString& file);  // tells the teacher; always false
  void simulate();                     // Command1
  void showModel();

  UiServices services_;
  QtPlatform platform_{*this, services_};
  WindowWidgets widgets_;
  WindowChrome* chrome_;
  SimulationWindow logic_;
};

}  // namespace varnesk::ui
