#include "ui/interval_form.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <algorithm>
#include <cmath>

#include "common/messages.h"
#include "engine/window_menu.h"
#include "ui/file_saver.h"
#include "ui/letters_to_the_window.h"

namespace varnesk::ui {

namespace {
QSettings settings() { return QSettings(QStringLiteral("varnesk"), QStringLiteral("varnesk")); }
constexpr const char* kSpeedKey = "intervalos/amostras-por-segundo";
}  // namespace

IntervalForm::IntervalForm(UiServices services, QWidget* owner)
    : WindowForm("IntervalForm", std::move(services), owner), logic_(logicAs<IntervalWindow>()) {
  const auto onClick = [this](const char* button, std::function<void(IntervalWindow&)> call) {
    connect(widgets_.get<QPushButton>(button), &QPushButton::clicked, this,
            [this, call = std::move(call)] { forward(call); });
  };
  onClick("NextButton", [](IntervalWindow& w) { w.showNext(1); });
  onClick("AllButton", [](IntervalWindow& w) { w.showAll(); });
  onClick("PlayButton", [](IntervalWindow& w) { w.playPause(); });
  onClick("CompareButton", [](IntervalWindow& w) { w.compareCorrection(); });
  connect(widgets_.get<QPushButton>("CloseButton"), &QPushButton::clicked, this, &QWidget::close);
  auto* level = widgets_.get<QSpinBox>("LevelSpin");
  level->installEventFilter(new LettersToTheWindow(level));
  connect(level, &QSpinBox::valueChanged, this, [this](int percent) {
    forward([percent](IntervalWindow& w) { w.setLevel(QString::number(percent).toStdString()); });
  });
  // Clicks only: the states shown after every call check the boxes without calling back.
  connect(widgets_.get<QCheckBox>("NormalCheck"), &QCheckBox::clicked, this,
          [this](bool normal) { forward([normal](IntervalWindow& w) { w.setNormal(normal); }); });
  connect(widgets_.get<QCheckBox>("CorrectionCheck"), &QCheckBox::clicked, this,
          [this](bool on) { forward([on](IntervalWindow& w) { w.setCorrection(on); }); });
  setupPlayback();
  addActions();
  showControls();
}

bool IntervalForm::Load(const std::string& sampleSize, const std::string& repetitions) {
  const bool open = logic_.Load(sampleSize, repetitions);
  showControls();
  return open;
}

void IntervalForm::forward(const std::function<void(IntervalWindow&)>& call) {
  call(logic_);
  showControls();
}

void IntervalForm::showControls() {
  WindowForm::showControls();
  followPlayback();
}

// The clock adds one sample a tick, exactly what Próxima amostra does, until paused or at the
// end; the speed set is kept for the next opening.
void IntervalForm::setupPlayback() {
  auto* speed = widgets_.get<QSpinBox>("SpeedSpin");
  speed->setValue(settings().value(kSpeedKey, speed->value()).toInt());
  speed->installEventFilter(new LettersToTheWindow(speed));
  connect(speed, &QSpinBox::valueChanged, this, [this](int perSecond) {
    settings().setValue(kSpeedKey, perSecond);
    followPlayback();
  });
  connect(&playback_, &QTimer::timeout, this, [this] {
    if (logic_.playing()) forward([](IntervalWindow& w) { w.showNext(1); });
  });
}

void IntervalForm::followPlayback() {
  const auto* speed = widgets_.get<QSpinBox>("SpeedSpin");
  if (!logic_.playing()) {
    playback_.stop();
    return;
  }
  const int interval = static_cast<int>(std::lround(1000.0 / std::max(1, speed->value())));
  if (!playback_.isActive() || playback_.interval() != interval) playback_.start(interval);
}

void IntervalForm::addActions() {
  for (const MenuEntry& entry : intervalMenu()) {
    QAction* a = chrome_->action(entry.command);
    switch (entry.command) {
      case MenuCommand::SaveIntervals:
        connect(a, &QAction::triggered, this, [this, dialog = *entry.save] {
          if (!somethingToSave()) return;
          const QString file = QFileDialog::getSaveFileName(
              this, QString::fromStdString(dialog.title), QString::fromStdString(dialog.fileName),
              QString::fromStdString(dialog.filter));
          if (!file.isEmpty()) saveIntervals(file);
        });
        break;
      case MenuCommand::TenMoreMeans:
      case MenuCommand::HundredMoreMeans:
        connect(a, &QAction::triggered, this, [this, count = entry.means] {
          forward([count](IntervalWindow& w) { w.showNext(count); });
        });
        break;
      case MenuCommand::PlayPause:
        connect(a, &QAction::triggered, this,
                [this] { forward([](IntervalWindow& w) { w.playPause(); }); });
        break;
      default: break;  // every window's own: the zoom, full screen, the help
    }
  }
  chrome_->setLastLine([this] { return QString::fromStdString(logic_.seedLine()); });
}

bool IntervalForm::somethingToSave() {
  if (logic_.anythingShown()) return true;
  platform_.showMessage(std::string(messages::kNothingToSave));
  return false;
}

bool IntervalForm::saveIntervals(const QString& file) {
  if (!somethingToSave()) return false;
  const auto failure = saveBytes(file, logic_.intervalsCsv());
  if (failure) platform_.showMessage(saveFailureMessage(file.toStdString(), *failure));
  return !failure;
}

}  // namespace varnesk::ui
