// The step-by-step window's playback: a clock that presses Simular for the teacher, one mean at a
// time, at the speed set beside the button (kept between openings), until paused or at the end.
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <cmath>

#include "ui/letters_to_the_window.h"
#include "ui/simulation_form.h"

namespace varnesk::ui {

namespace {
QSettings settings() { return QSettings(QStringLiteral("varnesk"), QStringLiteral("varnesk")); }
constexpr const char* kSpeedKey = "passo-a-passo/medias-por-segundo";
}  // namespace

void SimulationForm::setupPlayback() {
  auto* speed = widgets_.get<QSpinBox>("SpeedSpin");
  auto* play = widgets_.get<QPushButton>("PlayButton");
  if (!speed || !play) return;
  speed->setValue(settings().value(kSpeedKey, speed->value()).toInt());
  speed->installEventFilter(new LettersToTheWindow(speed));
  connect(speed, &QSpinBox::valueChanged, this, [this](int perSecond) {
    settings().setValue(kSpeedKey, perSecond);
    followPlayback();
  });
  connect(play, &QPushButton::clicked, this, &SimulationForm::playPause);
  connect(&playback_, &QTimer::timeout, this, &SimulationForm::advancePlayback);
}

void SimulationForm::playPause() {
  logic_.playPause();
  showControls();
}

void SimulationForm::advancePlayback() {
  if (logic_.playing()) simulate();
}

void SimulationForm::followPlayback() {
  const auto* speed = widgets_.get<QSpinBox>("SpeedSpin");
  if (!logic_.playing() || !speed) {
    playback_.stop();
    return;
  }
  const int interval = static_cast<int>(std::lround(1000.0 / std::max(1, speed->value())));
  if (!playback_.isActive() || playback_.interval() != interval) playback_.start(interval);
}

}  // namespace varnesk::ui
